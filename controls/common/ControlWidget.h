#pragma once

#include <QRect>
#include <QVariant>
#include <QWidget>

#include <atomic>
#include <cstdint>

#include "DispatchTable.h"
#include "PixelBuffer.h"
#include "PropertyBag.h"

namespace kaj::controls {

// What the art and the map control share: the pixel buffer they paint as it is,
// the rendered flag and the last bounds that tell when to render again, the
// modified state, the ready state, the dispatch table, the persistent properties,
// and the events a host listens to. Each control library carries its own copy.
class ControlWidget : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kReadyStateLoading = 1;
    static constexpr int kReadyStateComplete = 4;
    static constexpr int kDispReadyState = -525;  // the stock ready-state property

    ~ControlWidget() override;

    std::int32_t ReadyState() const { return readyState_; }
    bool isModified() const { return modified_; }
    bool isRendered() const { return rendered_; }
    int renderCount() const { return renderCount_; }
    const PixelBuffer& buffer() const { return buffer_; }
    const DispatchTable& dispatch() const { return dispatch_; }

    // The dispatch interface for a host that knows the control only through Qt's
    // meta-object system: 16-bit integers cross as short, 32-bit as int, Booleans
    // as bool; an invalid QVariant when the member cannot be read.
    Q_INVOKABLE QVariant dispatchGet(int id) const;
    Q_INVOKABLE bool dispatchPut(int id, const QVariant& value);
    // Calls a method: the result first, then every argument as the method left it
    // (those passed by reference changed); an empty list when the call failed.
    Q_INVOKABLE QVariantList dispatchInvoke(int id, const QVariantList& arguments);

    virtual void saveProperties(PropertyBag& bag) const = 0;
    // False, keeping the properties, when the bag comes from a newer major version.
    virtual bool loadProperties(const PropertyBag& bag) = 0;

  signals:
    void MouseDown(short Button, short Shift, int x, int y);
    void MouseMove(short Button, short Shift, int x, int y);
    void MouseUp(short Button, short Shift, int x, int y);
    void ReadyStateChange(int readyState);

  protected:
    // instances counts the living controls of one library, for DllCanUnloadNow.
    ControlWidget(std::atomic<int>& instances, QWidget* parent);

    // Creation is complete: drawing may start, and the host hears of it once it
    // had the chance to connect.
    void markReady();
    // Marks the control modified, clears the rendered flag and asks for a repaint.
    void invalidate();
    // Renders the current picture for the bounds; false leaves the control unpainted.
    virtual bool renderInto(PixelBuffer& buffer, const QRect& bounds) = 0;

    void paintEvent(QPaintEvent* event) override;

    bool modified_ = false;
    DispatchTable dispatch_;

  private:
    std::atomic<int>& instances_;
    PixelBuffer buffer_;
    QRect lastBounds_;
    bool ready_ = false;
    bool rendered_ = false;
    int renderCount_ = 0;
    std::int32_t readyState_ = kReadyStateLoading;
};

}  // namespace kaj::controls
