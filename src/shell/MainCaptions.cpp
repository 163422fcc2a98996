#include "shell/MainCaptions.h"

#include <array>

namespace kvd::gui {

namespace {

constexpr Caption::Kind T = Caption::Text;
constexpr Caption::Kind Tip = Caption::ToolTip;

// Texts are the radio maker's own, spelling included.
constexpr std::array<Caption, 41> kCaptions = {{
    {"Form1", T, {"KVD-270对讲机编程软件 V1.00", "KVD-270 Radio Software V1.00"}},
    {"mnuFile", T, {"文件(&F)", "File(&F)"}},
    {"mnuNew", T, {"新建(&N)", "New(&N)"}},
    {"mnuOpen", T, {"打开(&O)", "Open(&O)"}},
    {"mnuAssave", T, {"保存(&S)", "Save(&S)"}},
    {"mnuImportCsv", T, {"导入 CSV...", "Import CSV..."}},
    {"mnuExportCsv", T, {"导出 CSV...", "Export CSV..."}},
    {"mnuQuit", T, {"退出(&Q)", "Quit(&Q)"}},
    {"mnupro", T, {"编程(&P)", "Programming(&P)"}},
    {"mnureadFre", T, {"读频(&R)", "Read Frequency(&R)"}},
    {"mnuwriteFre", T, {"写频(&W)", "Write Frequency(&W)"}},
    {"mnudtmf", T, {"可选功能", "Optional function "}},
    {"Key_enactment", T, {"键设定", "Keys set "}},
    {"mnusetin", T, {"嵌入信息", "Embedded information"}},
    {"mnudebug", T, {"调试(&D)", "Debug(&D)"}},
    {"mnutestfre", T, {"测试频率", "Debug frequency"}},
    {"mnuset", T, {"设置(&S)", "Settings(&S)"}},
    {"mnulock", T, {"锁定(&L)", "Lock(&L)"}},
    {"mnucom", T, {"通信端口(&V)", "Communication port(&V)"}},
    {"mnucom1", T, {"COM1(&1)", "COM1(&1)"}},
    {"mnucom2", T, {"COM2(&2)", "COM2(&2)"}},
    {"mnucom3", T, {"COM3(&3)", "COM3(&3)"}},
    {"mnucom4", T, {"COM4(&4)", "COM4(&4)"}},
    {"mnucom5", T, {"COM5(&5)", "COM5(&5)"}},
    {"mnucom6", T, {"COM6(&6)", "COM6(&6)"}},
    {"mnucom7", T, {"COM7(&7)", "COM7(&7)"}},
    {"mnucom8", T, {"COM8(&8)", "COM8(&8)"}},
    {"mnuLanguage", T, {"语言选择(&L)", "Languages(&L)"}},
    {"mnuChinese", T, {"中文", "Chinese"}},
    {"mnuEnglish", T, {"英文", "Englist"}},
    {"mnuhelp", T, {"帮助(&H)", "Help(&H)"}},
    {"mnumainhelp", T, {"帮助主题  F1", "The help topic  F1 \""}},
    {"mnuabout", T, {"关于", "About"}},
    {"Toolbar1_new", Tip, {"新建", "New"}},
    {"Toolbar1_open", Tip, {"打开", "Open"}},
    {"Toolbar1_save", Tip, {"保存", "Save"}},
    {"Toolbar1_read", Tip, {"读频", "Read frequency"}},
    {"Toolbar1_write", Tip, {"写频", "Write frequency"}},
    {"Frame1", T, {"机型选择", "Model"}},
    {"Frame2", T, {"功能设置", "Function Set"}},
    {"Label3", T, {"频段", "Channel"}},
}};

}  // namespace

CaptionTable MainCaptions() {
    return {kCaptions, {}};
}

}  // namespace kvd::gui
