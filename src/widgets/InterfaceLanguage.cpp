#include "widgets/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "catalogue/Catalogue.h"

namespace kvd::gui {

namespace {

LanguageId& Current() {
    static LanguageId language = kChinese;
    return language;
}

// Qt's own texts in Chinese, beside Qt itself or, for a copy that brings its own, beside the
// program. Kept to the end of the run.
QTranslator* QtChinese() {
    static QTranslator* translator = [] {
        auto* qt = new QTranslator;
        const QString name = QStringLiteral("qtbase_zh_CN");
        const QString beside =
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
        for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), beside}) {
            if (qt->load(name, folder)) {
                break;
            }
        }
        return qt;
    }();
    return translator;
}

}  // namespace

LanguageId InterfaceLanguage() {
    return Current();
}

QString Tr(const UserText& text) {
    return Tr(text, Current());
}

QString Tr(const UserText& text, LanguageId language) {
    return QString::fromStdString(TextIn(text, language));
}

void UseLanguage(LanguageId language) {
    static QPointer<QCoreApplication> qtChineseIn;  // the application that has Qt's Chinese
    QCoreApplication* application = QCoreApplication::instance();
    const bool changed = Current() != language;
    Current() = language;
    if (!application) {
        return;
    }
    const bool wantsQtChinese = language == kChinese;
    const bool hasQtChinese = qtChineseIn && qtChineseIn == application;
    if (wantsQtChinese && !hasQtChinese) {
        QCoreApplication::installTranslator(QtChinese());
        qtChineseIn = application;
    } else if (!wantsQtChinese && hasQtChinese) {
        QCoreApplication::removeTranslator(QtChinese());
        qtChineseIn = nullptr;
    } else if (!changed) {
        return;
    }
    // The application posts the change to every window; they have it now, not later.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(application, &change);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace kvd::gui
