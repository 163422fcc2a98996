#include "link/LinkTexts.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace kvd::link {

namespace {

constexpr std::array kTexts = {
    LocalText{"正在通信,请稍后……", "Is communication, please later……"},
    LocalText{"读频成功！", "Read frequency success!"},
    LocalText{"写频成功！", "Write frequency success!"},
    LocalText{"频段不符，是否继续？",
              "Frequency band with discrepancies, do you wish to continue?"},
    LocalText{"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
              "Communication error, please check the intercom model, fault, attachment and "
              "computer serial choice!"},
    LocalText{"通信端口未打开，请先选择菜单“通信端口”打开其串口！",
              "Communication port not open, please first selection menu 'communication port' to "
              "open its serial ports!"},
    LocalText{"正在读取对讲机作为备份……", "Reading the radio for a backup……"},
    LocalText{"无法读取对讲机进行备份，没有写入任何数据。",
              "The radio could not be read for a backup; nothing was written."},
    LocalText{"无法保存备份，没有写入任何数据。", "No backup could be kept; nothing was written."},
    LocalText{"是否将此配置写入对讲机？", "Write this configuration into the radio?"},
    LocalText{"没有写入任何数据。", "Nothing was written."},
    LocalText{"正在回读对讲机以校验写入……", "Reading the radio back to check the write……"},
    LocalText{"写频成功！已校验：对讲机中的数据与写入的一致。",
              "Write frequency success! Checked: the radio holds what was written."},
    LocalText{"已写入，但对讲机中的数据与写入的不同。",
              "Written, but the radio holds something else."},
    LocalText{"已写入，未校验：对讲机没有响应校验读取。",
              "Written, not verified: the radio did not answer the check read."},
};

// Templates: %N is the port number, %D the device, %R the operating system's reason.
constexpr LocalText kPortBusy{"串行端口%N已被其它程序使用，请选择其它串口或关掉其程序.",
                              "Serial port %N has been other programs use, please choose other "
                              "serial or turn off its program."};
constexpr LocalText kPortFailure{"%D：%R", "%D: %R"};
constexpr LocalText kPermissionHint{
    "%D：没有访问权限。请把用户加入 dialout 组（sudo usermod -aG dialout $USER），然后重新登录。",
    "%D: permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER) "
    "and log in again."};
constexpr LocalText kPortInUse{
    "%D：已被其它程序使用。请关闭该程序或选择其它串口。",
    "%D: in use by another program. Close that program or choose another port."};
constexpr LocalText kPortOpened{"COM%N：%D", "COM%N: %D"};
constexpr LocalText kPortMissing{"COM%N：没有对应的串口设备", "COM%N: no such serial device"};
constexpr LocalText kPortLost{"COM%N：串口已断开，请检查连线后重新选择该串口",
                              "COM%N: the port was lost; check the cable, then choose the port "
                              "again"};

struct Field {
    char key;  // the letter after '%'
    const std::string& value;
};

// One pass, so a value that happens to contain a '%' stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<Field> fields) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const Field* field = nullptr;
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            for (const Field& f : fields) {
                if (f.key == pattern[i + 1]) {
                    field = &f;
                }
            }
        }
        if (field) {
            out += field->value;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace

static_assert(kTexts.size() == static_cast<std::size_t>(TextId::WriteUnverified) + 1);

const LocalText& Text(TextId id) {
    return kTexts[static_cast<std::size_t>(id)];
}

std::string PortBusyText(int portNumber, LanguageId language) {
    return Fill(kPortBusy.pick(language), {{'N', std::to_string(portNumber)}});
}

std::string PortFailureStatus(const std::string& device, const std::string& reason,
                              PortProblem problem, LanguageId language) {
    if (problem == PortProblem::PermissionDenied) {
        return Fill(kPermissionHint.pick(language), {{'D', device}});
    }
    if (problem == PortProblem::InUse) {
        return Fill(kPortInUse.pick(language), {{'D', device}});
    }
    return Fill(kPortFailure.pick(language), {{'D', device}, {'R', reason}});
}

std::string PortMissingStatus(int portNumber, LanguageId language) {
    return Fill(kPortMissing.pick(language), {{'N', std::to_string(portNumber)}});
}

std::string PortLostStatus(int portNumber, LanguageId language) {
    return Fill(kPortLost.pick(language), {{'N', std::to_string(portNumber)}});
}

std::string PortOpenedStatus(int portNumber, const std::string& device, LanguageId language) {
    return Fill(kPortOpened.pick(language), {{'N', std::to_string(portNumber)}, {'D', device}});
}

}  // namespace kvd::link
