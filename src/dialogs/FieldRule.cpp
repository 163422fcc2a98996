#include "dialogs/FieldRule.h"

#include <algorithm>

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kvd::gui {

namespace {

QChar Mapped(QChar c, FieldRule::Characters characters) {
    if (characters == FieldRule::Characters::Dtmf && c >= u'a' && c <= u'z') {
        return c.toUpper();
    }
    return c;
}

bool Allowed(QChar c, FieldRule::Characters characters) {
    if (characters == FieldRule::Characters::OneByte) {
        return c.unicode() >= 0x20 && c.unicode() <= 0xFF;
    }
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'D') || c == u'*' || c == u'#';
}

}  // namespace

FieldValidator::FieldValidator(QLineEdit* field, FieldRule rule)
    : QValidator(field), field_(field), rule_(rule), before_(field->text()) {
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QString FieldValidator::filtered(const QString& inserted, int room) const {
    QString kept;
    for (QChar c : inserted) {
        const QChar mapped = Mapped(c, rule_.characters);
        if (Allowed(mapped, rule_.characters)) {
            kept.append(mapped);
        }
    }
    return rule_.maxLength > 0 ? kept.left(std::max(room, 0)) : kept;
}

QValidator::State FieldValidator::validate(QString& input, int& position) const {
    // The inserted part is what lies between the text's unchanged start and end.
    const qsizetype shorter = std::min(input.size(), before_.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == before_[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head &&
           input[input.size() - 1 - tail] == before_[before_.size() - 1 - tail]) {
        ++tail;
    }
    const qsizetype insertedLength = input.size() - head - tail;
    const int room = rule_.maxLength - static_cast<int>(input.size() - insertedLength);
    const QString inserted = input.mid(head, insertedLength);
    const QString kept = filtered(inserted, room);
    if (kept == inserted) {
        return Acceptable;
    }
    input = input.left(head) + kept + input.right(tail);
    if (position >= head + insertedLength) {
        position -= static_cast<int>(insertedLength - kept.size());
    } else if (position > head) {
        position = static_cast<int>(std::min<qsizetype>(position, head + kept.size()));
    }
    return Acceptable;
}

void FieldValidator::showStored(const QString& text) {
    field_->setValidator(nullptr);
    field_->setText(text);
    field_->setValidator(this);
}

QLineEdit* MakeRuledField(QWidget* parent, const char* objectName, FieldRule rule) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setValidator(new FieldValidator(field, rule));
    if (rule.characters == FieldRule::Characters::Dtmf && rule.maxLength > 0) {
        field->setMinimumWidth(
            FieldWidthFor(field, WidestDtmfText(field->fontMetrics(), rule.maxLength)));
    }
    return field;
}

QString WidestDtmfText(const QFontMetrics& metrics, int length) {
    const QString characters = QStringLiteral("0123456789ABCD*#");
    QChar widest = characters.front();
    for (QChar c : characters) {
        if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest)) {
            widest = c;
        }
    }
    return QString(length, widest);
}

int FieldWidthFor(const QLineEdit* field, const QString& text) {
    // What QLineEdit itself adds around its text: its margins, the cursor and the frame.
    constexpr int kInnerMargins = 2 * 2 + 1;
    const QMargins margins = field->textMargins();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    const QSize content(field->fontMetrics().horizontalAdvance(text) + kInnerMargins +
                            margins.left() + margins.right(),
                        field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, field).width();
}

void ShowStored(QLineEdit* field, const QString& text) {
    if (auto* validator =
            field->findChild<FieldValidator*>(QString(), Qt::FindDirectChildrenOnly)) {
        validator->showStored(text);
    } else {
        field->setText(text);
    }
}

}  // namespace kvd::gui
