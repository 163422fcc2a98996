// The main window's controls and where they stand.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QVBoxLayout>

#include "image/RadioState.h"
#include "shell/BandCombo.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/FunctionPanel.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/MakerLine.h"

namespace kvd::gui {

namespace {

// Progress of a conversation with the radio: a write counts to 460.
constexpr int kProgressMaximum = 460;

// Hidden controls keep their room, so the window does not jump while they blink.
void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

void MainWindow::buildWidgets() {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/kvd270/icons/kvd270.svg")));
    menus_ = BuildMainMenus(menuBar(), captions_);
    toolBar_ = BuildMainToolBar(this, menus_, captions_);
    setCentralWidget(buildCentralArea());
}

QGroupBox* MainWindow::buildBandFrame(QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    captions_.add(frame, TextIds::main::modelFrame);
    auto* label = new QLabel(frame);
    label->setObjectName(QStringLiteral("Label3"));
    label->setBuddy(bandList_);
    captions_.add(label, TextIds::main::bandLabel);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(bandList_, 1);
    return frame;
}

QWidget* MainWindow::buildCentralArea() {
    auto* area = new QWidget(this);

    grid_ = new ChannelGrid(area);
    grid_->setObjectName(QStringLiteral("Grid1"));
    captions_.addAccessibleName(grid_, TextIds::access::channelTable);
    model_ = new ChannelTableModel(state_, grid_);
    grid_->setModel(model_);
    grid_->layOut();
    // The first channel cell is current from the start, as in the grid's original.
    grid_->selectionModel()->setCurrentIndex(model_->index(1, 1), QItemSelectionModel::NoUpdate);

    bandList_ = new BandCombo(state_.band, area);
    panel_ = new FunctionPanel(state_.settings, area);

    status_ = new QLabel(area);
    status_->setObjectName(QStringLiteral("Label"));
    captions_.addAccessibleName(status_, TextIds::access::status);
    KeepRoomWhenHidden(status_);
    progress_ = new QProgressBar(area);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    captions_.addAccessibleName(progress_, TextIds::access::progress);
    progress_->setRange(0, kProgressMaximum);
    progress_->setTextVisible(false);
    KeepRoomWhenHidden(progress_);

    auto* maker = new MakerLine(area, "Label2");
    maker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* side = new QVBoxLayout;
    bandFrame_ = buildBandFrame(area);
    side->addWidget(bandFrame_);
    side->addWidget(panel_);
    side->addStretch(1);

    // Room beyond what the window needs goes to the table; the panel keeps its size.
    auto* layout = new QGridLayout(area);
    layout->addWidget(grid_, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(status_, 1, 0);
    layout->addWidget(progress_, 1, 1);
    layout->addWidget(maker, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);
    return area;
}

}  // namespace kvd::gui
