#include "CGlyphViewPropPage.h"

#include <QFormLayout>

#include "ArtLibrary.h"
#include "CGlyphViewCtrl.h"

namespace kaj::glyph {

CGlyphViewPropPage::CGlyphViewPropPage(QWidget* parent)
    : QWidget(parent),
      artType(new QComboBox(this)),
      artIndex(new QLineEdit(this)),
      colour(new QLineEdit(this)) {
    setObjectName("CGlyphViewPropPage");
    setWindowTitle("General");
    artType->setObjectName("cboArtType");
    artIndex->setObjectName("txtArtIndex");
    colour->setObjectName("txtColor");
    for (int type = 0; type < kArtTypeCount; ++type) {
        artType->addItem(artTypeName(type));
    }
    artType->setCurrentIndex(-1);
    artIndex->setText("0");
    colour->setText("0");
    auto* form = new QFormLayout(this);
    form->addRow("Art Type", artType);
    form->addRow("Art Index", artIndex);
    form->addRow("Color", colour);
    // 250 x 62 dialog units at the usual 4 x 8 base.
    setMinimumSize(375, 100);
}

void CGlyphViewPropPage::loadFrom(const CGlyphViewCtrl& control) {
    const int type = control.ArtType();
    artType->setCurrentIndex(type >= 0 && type < kArtTypeCount ? type : -1);
    artIndex->setText(QString::number(static_cast<std::uint32_t>(control.ArtIndex())));
    colour->setText(QString::number(static_cast<std::uint16_t>(control.ArtColor())));
}

std::optional<std::string> CGlyphViewPropPage::applyTo(CGlyphViewCtrl& control) {
    bool indexOk = false;
    const qulonglong index = artIndex->text().trimmed().toULongLong(&indexOk);
    if (!indexOk || index > 0xFFFFFFFFull) {
        return "Art Index must be a whole number from 0 to 4294967295.";
    }
    bool colourOk = false;
    const qulonglong hue = colour->text().trimmed().toULongLong(&colourOk);
    if (!colourOk || hue > 0xFFFFFFFFull) {
        return "Color must be a whole number from 0 to 4294967295.";
    }
    if (artType->currentIndex() >= 0) {
        control.setArtType(static_cast<std::int16_t>(artType->currentIndex()));
    }
    control.setArtIndex(static_cast<std::int32_t>(static_cast<std::uint32_t>(index)));
    control.setArtColor(static_cast<std::int16_t>(static_cast<std::uint16_t>(hue)));
    return std::nullopt;
}

}  // namespace kaj::glyph
