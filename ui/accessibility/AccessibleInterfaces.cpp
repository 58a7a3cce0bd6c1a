#include "ui/accessibility/AccessibleInterfaces.h"

#include <QAccessibleWidget>

#include "ui/BoardView.h"
#include "ui/DrawnButton.h"
#include "ui/SideWindow.h"
#include "ui/accessibility/AccessibleBoard.h"
#include "ui/accessibility/StatusAnnouncer.h"

namespace tessora {

namespace {
class AccessibleDrawnButton : public QAccessibleWidget {
  public:
    explicit AccessibleDrawnButton(DrawnButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    // The press runs from the event loop, not inside the assistive technology's call: the
    // button's action may open a modal message box, which would keep that call waiting.
    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        auto* button = static_cast<DrawnButton*>(widget());
        QMetaObject::invokeMethod(
            button, [button] { button->Press(); }, Qt::QueuedConnection);
    }
};

QAccessibleInterface* GameInterfaceFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DrawnButton::staticMetaObject.className())) {
        return new AccessibleDrawnButton(static_cast<DrawnButton*>(object));
    }
    if (className == QLatin1String(BoardView::staticMetaObject.className())) {
        return new AccessibleBoard(static_cast<BoardView*>(object));
    }
    if (className == QLatin1String(StatusNotice::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    // The instructions and about windows are dialogs of the main window, whose contents a
    // screen reader reads when they open.
    if (auto* window = qobject_cast<SideWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Dialog);
    }
    return nullptr;
}
}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(GameInterfaceFactory);
}

}  // namespace tessora
