#include "qt/dialogs/spoken_choice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include <algorithm>

namespace tarmigo {
namespace {

const char* const Marker = "tarmigoSpokenChoice";

// Qt's own combo box names itself after its item and keeps the item in a list that
// reports no selection until it pops up, so a reader finds no value to speak. This one
// is named by its label and holds the item as its text, all of it selected: what a
// reader reads as a list's value, and speaks again when it is replaced.
class SpokenChoice : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit SpokenChoice(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return item();
        return QAccessibleWidget::text(t);
    }
    // The popup list is a window of its own, read as such when it opens.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return item().isEmpty() ? 0 : 1; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString whole = item();
        if (end < 0 || end > whole.size()) end = int(whole.size());
        start = std::clamp(start, 0, end);
        return whole.mid(start, end - start);
    }
    int characterCount() const override { return int(item().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QString item() const { return static_cast<const QComboBox*>(object())->currentText(); }
};

QAccessibleInterface* spokenChoiceFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (!list || !list->property(Marker).toBool()) return nullptr;
    return new SpokenChoice(list);
}

} // namespace

void speakChoice(QComboBox* list) {
    static const bool installed = [] {
        QAccessible::installFactory(spokenChoiceFactory);
        return true;
    }();
    (void)installed;
    list->setProperty(Marker, true);
    // The new item is said as text put in, selected (the old one's removal is not sent:
    // a reader says "selection deleted" for it).
    QObject::connect(list, &QComboBox::currentTextChanged, list, [list](const QString& now) {
        if (!QAccessible::isActive() || !list->isVisible()) return;
        QAccessibleTextInsertEvent event(list, 0, now);
        QAccessible::updateAccessibility(&event);
    });
}

} // namespace tarmigo
