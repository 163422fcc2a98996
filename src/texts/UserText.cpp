#include "texts/UserText.h"

#include <cstring>
#include <ostream>

namespace kvd {

bool operator==(TextId a, TextId b) {
    if (!a.key || !b.key) {
        return a.key == b.key;
    }
    return std::strcmp(a.key, b.key) == 0;
}

UserText::UserText(TextId id, std::vector<UserText> arguments)
    : id_(id), arguments_(std::move(arguments)) {}

UserText UserText::Verbatim(std::string text) {
    UserText made;
    made.verbatim_ = std::move(text);
    return made;
}

UserText UserText::Number(long long value) {
    return Verbatim(std::to_string(value));
}

std::string UserText::describe() const {
    if (isVerbatim()) {
        return verbatim_;
    }
    std::string out = id_.key;
    if (!arguments_.empty()) {
        out += '(';
        for (std::size_t i = 0; i < arguments_.size(); ++i) {
            out += (i ? ", " : "") + arguments_[i].describe();
        }
        out += ')';
    }
    return out;
}

bool operator==(const UserText& a, const UserText& b) {
    return a.id_ == b.id_ && a.verbatim_ == b.verbatim_ && a.arguments_ == b.arguments_;
}

std::ostream& operator<<(std::ostream& out, const UserText& text) {
    return out << text.describe();
}

}  // namespace kvd
