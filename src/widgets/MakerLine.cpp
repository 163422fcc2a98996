#include "widgets/MakerLine.h"

#include <QDesktopServices>
#include <QUrl>

#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {
constexpr const char* kMakerPage = "https://www.example.org/kvd270";
}  // namespace

MakerLine::MakerLine(QWidget* parent, const char* objectName) : ClickableLabel(parent, objectName) {
    // The same in every language.
    setText(Tr(TextIds::main::makerLine));
    setCursor(Qt::PointingHandCursor);
    connect(this, &MakerLine::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerPage))); });
}

}  // namespace kvd::gui
