#pragma once

#include <cstdint>
#include <filesystem>

#include "ArtLibrary.h"
#include "ControlWidget.h"
#include "DispatchTable.h"
#include "GlyphViewDispatchIds.h"
#include "PixelBuffer.h"
#include "PropertyBag.h"

namespace kaj::glyph {

// The art control: shows one picture of the client's art. Hosts reach it through
// its dispatch interface _DGlyphView (ids 1-4) and its mouse events.
class Q_DECL_EXPORT CGlyphViewCtrl : public controls::ControlWidget {
    Q_OBJECT
  public:
    static constexpr int kPersistVersionMajor = 1;
    static constexpr int kPersistVersionMinor = 1;

    // Finds the client's folder through its registry key.
    explicit CGlyphViewCtrl(QWidget* parent = nullptr);
    // Reads the client's files from the given folder.
    CGlyphViewCtrl(const std::filesystem::path& clientFolder, QWidget* parent);
    ~CGlyphViewCtrl() override;

    std::int16_t ArtType() const { return properties_.type; }
    void setArtType(std::int16_t type);
    std::int32_t ArtIndex() const { return static_cast<std::int32_t>(properties_.index); }
    void setArtIndex(std::int32_t index);
    std::int16_t ArtColor() const { return static_cast<std::int16_t>(properties_.colour); }
    void setArtColor(std::int16_t colour);
    void SetObject(std::int16_t type, std::int32_t index);

    void saveProperties(controls::PropertyBag& bag) const override;
    bool loadProperties(const controls::PropertyBag& bag) override;

    static int liveInstances();

  protected:
    bool renderInto(controls::PixelBuffer& buffer, const QRect& bounds) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void create(const std::filesystem::path& clientFolder);
    void buildDispatch();
    std::uint32_t buttonFace() const;

    ArtLibrary library_{{}, {}};
    ArtProperties properties_;
};

}  // namespace kaj::glyph
