#include "shell/ConfigurationDocument.h"

#include <QFileInfo>

#include "image/Comparison.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace Id = TextIds::document;

void ConfigurationDocument::stored(const RadioState& state, Origin origin, const QString& path) {
    stored_ = state;
    origin_ = origin;
    path_ = origin == Origin::File ? path : QString();
}

void ConfigurationDocument::becomeUntitled() {
    origin_ = Origin::Untitled;
    path_.clear();
}

bool ConfigurationDocument::differs(const RadioState& state) const {
    return !Compare(state, stored_).empty();
}

UserText ConfigurationDocument::name() const {
    switch (origin_) {
        case Origin::File:
            return UserText::Verbatim(QFileInfo(path_).fileName().toStdString());
        case Origin::ReadFromRadio:
            return Id::fromRadio;
        case Origin::WrittenToRadio:
            return Id::toRadio;
        case Origin::Untitled:
            break;
    }
    return Id::untitled;
}

UserText ConfigurationDocument::subject() const {
    switch (origin_) {
        case Origin::File:
            return {Id::fileSubject, {name()}};
        case Origin::ReadFromRadio:
            return Id::fromRadioSubject;
        case Origin::WrittenToRadio:
            return Id::toRadioSubject;
        case Origin::Untitled:
            break;
    }
    return Id::untitledSubject;
}

}  // namespace kvd::gui
