#include "catalogue/Catalogue.h"

#include <vector>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace kvd {

namespace {

// The compiled catalogues, in the program's resources.
QTranslator* Loaded(const char* name) {
    auto* translator = new QTranslator;
    const bool found = translator->load(QString::fromLatin1(name), QStringLiteral(":/i18n"));
    Q_ASSERT(found);
    return translator;
}

struct Catalogues {
    QTranslator* chinese = Loaded("kvd270_zh_CN");
    QTranslator* english = Loaded("kvd270_en");
    // Only the message box's buttons, over the English texts.
    QTranslator* traditionalButtons = Loaded("kvd270_zh_TW");
};

// Made once and kept to the end: windows may still ask for texts while the program ends.
const Catalogues& Program() {
    static const Catalogues* catalogues = new Catalogues;
    return *catalogues;
}

// Qt's own texts; English needs none.
QTranslator* QtChinese() {
    static QTranslator* translator = [] {
        auto* qt = new QTranslator;
        // Beside Qt itself, else beside the program (a copy that brings its own).
        for (const QString& folder :
             {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
              QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
            if (qt->load(QStringLiteral("qtbase_zh_CN"), folder)) {
                break;
            }
        }
        return qt;
    }();
    return translator;
}

QString Lookup(const char* id, LanguageId language) {
    const Catalogues& catalogues = Program();
    if (language == kTraditionalButtons) {
        QString text = catalogues.traditionalButtons->translate(nullptr, id);
        if (!text.isNull()) {
            return text;
        }
    }
    const QTranslator* catalogue = language == kChinese ? catalogues.chinese : catalogues.english;
    const QString text = catalogue->translate(nullptr, id);
    return text.isNull() ? QString::fromLatin1(id) : text;
}

QString Fill(const QString& pattern, const std::vector<UserText>& arguments, LanguageId language) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n =
            i + 1 < pattern.size() && pattern[i] == u'%' ? pattern[i + 1].digitValue() : 0;
        if (n >= 1 && n <= static_cast<int>(arguments.size())) {
            out += Tr(arguments[n - 1], language);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

LanguageId& Current() {
    static LanguageId language = kChinese;
    return language;
}

// What is installed in which application.
struct Installed {
    QPointer<QCoreApplication> application;
    std::vector<QTranslator*> translators;
};

std::vector<QTranslator*> TranslatorsFor(LanguageId language) {
    const Catalogues& catalogues = Program();
    if (language == kChinese) {
        return {QtChinese(), catalogues.chinese};
    }
    if (language == kTraditionalButtons) {
        return {catalogues.english, catalogues.traditionalButtons};
    }
    return {catalogues.english};
}

}  // namespace

QString Tr(const UserText& text, LanguageId language) {
    if (text.isVerbatim()) {
        return QString::fromStdString(text.verbatim());
    }
    const QString pattern = Lookup(text.id().key, language);
    return text.arguments().empty() ? pattern : Fill(pattern, text.arguments(), language);
}

std::string TrUtf8(const UserText& text, LanguageId language) {
    return Tr(text, language).toStdString();
}

LanguageId InterfaceLanguage() {
    return Current();
}

QString Tr(const UserText& text) {
    return Tr(text, Current());
}

void UseLanguage(LanguageId language) {
    static Installed installed;
    QCoreApplication* application = QCoreApplication::instance();
    const bool installedHere = application && installed.application == application;
    if (Current() == language && (installedHere || !application)) {
        return;
    }
    Current() = language;
    if (!application) {
        return;
    }
    if (installedHere) {
        for (QTranslator* translator : installed.translators) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    installed = {application, TranslatorsFor(language)};
    // The last one installed is asked first.
    for (QTranslator* translator : installed.translators) {
        QCoreApplication::installTranslator(translator);
    }
    // Each window has its change posted; it is delivered now, not some time later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace kvd
