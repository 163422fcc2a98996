#include "printout/PrintPieces.h"

#include <algorithm>

#include "printout/PrintedConfiguration.h"

namespace kvd::Printout {

namespace {

// Tried in turn: fonts that hold Chinese and Latin letters alike, so one family prints both
// languages and the PDF embeds a real CJK font.
const QStringList kFamilies = {
    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Source Han Sans SC"),  QStringLiteral("Microsoft YaHei"),
    QStringLiteral("PingFang SC"),         QStringLiteral("SimSun"),
};

// Sizes and spaces in points.
constexpr double kBodySize = 9;
constexpr double kTitleSize = 15;
constexpr double kHeadingSize = 11;
constexpr double kCellPadding = 3;
constexpr double kGapAfterHeading = 10;
constexpr double kGapBeforeSection = 12;
constexpr double kNameShare = 0.5;  // of the width, at most, for a setting's name

constexpr int kWrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

Piece Line(const Page& page, const std::string& text, const QFont& font, double before = 0,
           double after = 0, bool keepWithNext = false) {
    const QString line = Q(text);
    const double above = before * page.point;
    const double height = page.wrappedHeight(font, line, page.width);
    return {{above + height + after * page.point, keepWithNext},
            [=](QPainter& painter, const QRectF& r) {
                painter.setFont(font);
                painter.drawText(QRectF(r.left(), r.top() + above, r.width(), height), kWrapped,
                                 line);
            }};
}

// The columns as wide as their widest text, stretched to the page; a font small enough that
// they fit.
std::vector<double> ColumnWidths(const Page& page, const PrintedConfiguration& printed, QFont& font,
                                 QFont& bold) {
    std::vector<double> widths(printed.columns.size());
    auto measure = [&] {
        const QFontMetricsF plain = page.metrics(font);
        const QFontMetricsF heading = page.metrics(bold);
        double total = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            widths[c] = heading.horizontalAdvance(Q(printed.columns[c]));
            for (const ChannelRow& row : printed.channels) {
                widths[c] = std::max(widths[c], plain.horizontalAdvance(Q(row[c])));
            }
            widths[c] += 2 * kCellPadding * page.point;
            total += widths[c];
        }
        return total;
    };
    double total = measure();
    if (total > page.width) {
        font.setPointSizeF(font.pointSizeF() * page.width / total);
        bold.setPointSizeF(font.pointSizeF());
        total = std::max(measure(), page.width);  // the padding does not shrink
    }
    for (double& w : widths) {
        w *= page.width / total;
    }
    return widths;
}

Piece ChannelTable(const Page& page, const PrintedConfiguration& printed) {
    QFont font = PrintFont(kBodySize);
    QFont bold = PrintFont(kBodySize, true);
    const std::vector<double> widths = ColumnWidths(page, printed, font, bold);
    const double rowHeight = page.metrics(font).height() + kCellPadding * page.point;
    const double rows = static_cast<double>(printed.channels.size() + 1);
    const double padding = kCellPadding * page.point;
    auto paintRow = [=](QPainter& painter, double top, const ChannelRow& row) {
        double left = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QRectF cell(left, top, widths[c], rowHeight);
            painter.drawRect(cell);
            painter.drawText(cell.adjusted(padding, 0, -padding, 0),
                             Qt::AlignVCenter | (c == 0 ? Qt::AlignHCenter : Qt::AlignLeft),
                             Q(row[c]));
            left += widths[c];
        }
    };
    return {{rows * rowHeight + kGapAfterHeading * page.point},
            [=](QPainter& painter, const QRectF& r) {
                painter.save();
                painter.translate(r.topLeft());
                painter.setPen(QPen(Qt::black, page.point / 2));
                painter.fillRect(QRectF(0, 0, r.width(), rowHeight), QColor(232, 232, 232));
                painter.setFont(bold);
                paintRow(painter, 0, printed.columns);
                painter.setFont(font);
                for (std::size_t n = 0; n < printed.channels.size(); ++n) {
                    paintRow(painter, static_cast<double>(n + 1) * rowHeight, printed.channels[n]);
                }
                painter.restore();
            }};
}

double NameWidth(const Page& page, const PrintedConfiguration& printed, const QFont& font) {
    double widest = 0;
    for (const Section& section : printed.sections) {
        for (const Setting& setting : section.settings) {
            widest = std::max(widest, page.metrics(font).horizontalAdvance(Q(setting.name)));
        }
    }
    return std::min(widest + 3 * kCellPadding * page.point, page.width * kNameShare);
}

Piece SettingRow(const Page& page, const Setting& setting, const QFont& font, double nameWidth) {
    const QString name = Q(setting.name);
    const QString value = Q(setting.value);
    const double valueWidth = page.width - nameWidth;
    const double height = std::max(page.wrappedHeight(font, name, nameWidth),
                                   page.wrappedHeight(font, value, valueWidth)) +
                          page.point;
    return {{height}, [=](QPainter& painter, const QRectF& r) {
                painter.setFont(font);
                painter.drawText(QRectF(r.left(), r.top(), nameWidth, height), kWrapped, name);
                painter.drawText(QRectF(r.left() + nameWidth, r.top(), valueWidth, height),
                                 kWrapped, value);
                painter.setPen(QPen(QColor(200, 200, 200), page.point / 4));
                painter.drawLine(QPointF(r.left(), r.top() + height),
                                 QPointF(r.right(), r.top() + height));
                painter.setPen(Qt::black);
            }};
}

}  // namespace

std::vector<Piece> Pieces(const Page& page, const PrintedConfiguration& printed) {
    const QFont body = PrintFont(kBodySize);
    std::vector<Piece> pieces;
    pieces.push_back(Line(page, printed.title, PrintFont(kTitleSize, true), 0, kBodySize / 2));
    if (!printed.source.empty()) {
        pieces.push_back(Line(page, printed.source, body));
    }
    pieces.push_back(Line(page, printed.date, body));
    pieces.push_back(Line(page, printed.band, body, 0, kGapAfterHeading));
    pieces.push_back(ChannelTable(page, printed));
    const double nameWidth = NameWidth(page, printed, body);
    for (const Section& section : printed.sections) {
        pieces.push_back(Line(page, section.heading, PrintFont(kHeadingSize, true),
                              kGapBeforeSection, kBodySize / 3, true));
        for (const Setting& setting : section.settings) {
            pieces.push_back(SettingRow(page, setting, body, nameWidth));
        }
    }
    return pieces;
}

QFont PrintFont(double points, bool bold) {
    QFont font;
    font.setFamilies(kFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double Page::wrappedHeight(const QFont& font, const QString& text, double width) const {
    return metrics(font).boundingRect(QRectF(0, 0, width, 1e9), kWrapped, text).height();
}

}  // namespace kvd::Printout
