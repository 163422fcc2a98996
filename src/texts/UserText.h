#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvd {

// A text of the program's catalogue (translations/kvd270_*.ts), by its id. The constants of
// texts/TextIds.h are generated from the catalogue, one for each of its texts, and carry the
// text's place in it.
struct TextId {
    const char* key = nullptr;
    int index = -1;  // the place in the catalogue; -1: look the key up

    friend bool operator==(TextId a, TextId b);
};

// A text a person reads, as the core hands it to the window and the command line: a text of
// the catalogue whose placeholders %1..%9 take the arguments, or a value shown as it stands
// (a frequency, a file's name, the operating system's words). The edges turn it into the
// interface language; the core itself knows no language's words.
class UserText {
public:
    UserText() = default;
    // Implicit, so that a text without arguments is just its id.
    UserText(TextId id, std::vector<UserText> arguments = {});

    static UserText Verbatim(std::string text);
    static UserText Number(long long value);

    bool isVerbatim() const { return id_.key == nullptr; }
    TextId id() const { return id_; }
    const std::string& verbatim() const { return verbatim_; }
    const std::vector<UserText>& arguments() const { return arguments_; }

    // For tests and logs: "link.portBusy(3)", a verbatim text as it stands.
    std::string describe() const;

    friend bool operator==(const UserText& a, const UserText& b);

private:
    TextId id_;
    std::string verbatim_;
    std::vector<UserText> arguments_;
};

std::ostream& operator<<(std::ostream& out, const UserText& text);

}  // namespace kvd
