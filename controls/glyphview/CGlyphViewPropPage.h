#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <optional>
#include <string>

namespace kaj::glyph {

class CGlyphViewCtrl;

// The control's property page "General": Art Type, Art Index and Color.
class Q_DECL_EXPORT CGlyphViewPropPage : public QWidget {
    Q_OBJECT
  public:
    explicit CGlyphViewPropPage(QWidget* parent = nullptr);

    void loadFrom(const CGlyphViewCtrl& control);
    // Writes the fields to the control; a field that is not an unsigned number is
    // named in the result and nothing is written.
    std::optional<std::string> applyTo(CGlyphViewCtrl& control);

    QComboBox* artType;
    QLineEdit* artIndex;
    QLineEdit* colour;
};

}  // namespace kaj::glyph
