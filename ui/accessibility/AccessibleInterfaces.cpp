#include "ui/accessibility/AccessibleInterfaces.h"

#include <QAccessibleWidget>

#include "ui/BoardView.h"
#include "ui/DrawnButton.h"
#include "ui/accessibility/AccessibleBoard.h"

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
    return nullptr;
}
}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(GameInterfaceFactory);
}

}  // namespace tessora
