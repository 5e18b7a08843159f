#pragma once
// A dialog template of the resource library (XML; format in docs/resource-format.md):
// caption, position and size in dialog units, the dialog font and the controls in
// creation order (also their tab order; later controls lie on top).
#include "dialogs/ControlTemplate.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace dialogs {

class DialogTemplate {
public:
    // The template described by `xml`; nothing when it is not a well-formed template
    // (unknown kind, missing attribute, a number that is not a decimal integer).
    static std::optional<DialogTemplate> parse(const QByteArray& xml);

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    // Offset from the owner's top-left corner, in dialog units.
    QPoint position() const { return position_; }
    // Size of the client area, in dialog units.
    QSize size() const { return size_; }
    // The font the dialog units are measured in; empty family when the template names none.
    const std::string& fontFamily() const { return fontFamily_; }
    int pointSize() const { return pointSize_; }
    const std::vector<std::string>& styles() const { return styles_; }
    const std::vector<ControlTemplate>& controls() const { return controls_; }

private:
    std::string name_;
    std::string caption_;
    QPoint position_;
    QSize size_;
    std::string fontFamily_;
    int pointSize_ = 0;
    std::vector<std::string> styles_;
    std::vector<ControlTemplate> controls_;
};

} // namespace dialogs
