#pragma once

#include <QDialog>
#include <QHash>
#include <QKeySequence>
#include <cstdint>
#include <functional>
#include <vector>

#include "OwnFields.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kbs {

class CatalogueSession;

// The Fields window: the collector's own fields with their name, kind and value list, added,
// changed (name and value list), moved up and down, and removed. Removing a field that holds
// values asks first. Every change is stored at once, and can be undone, the latest first,
// until the window closes. A choice field's value list is a list file like the described
// ones, edited in the list editor.
class FieldsWindow : public QDialog {
    Q_OBJECT
public:
    FieldsWindow(CatalogueSession& session, QWidget* parent);

    static QKeySequence key() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F); }

    // The commands, as their buttons give them.
    void addField();
    void changeField();
    void moveField(int step);
    void removeField();
    void undo();
    void editList();
    bool canUndo() const { return !m_undo.empty(); }

Q_SIGNALS:
    // The fields changed (stored already): the window's other parts show them anew.
    void fieldsChanged();

private:
    void reload(std::int64_t select = 0);
    void fieldChosen();
    void kindChosen();
    void updateButtons();
    std::int64_t chosenId() const;
    const ownfields::Field* chosen() const;
    // Runs a change; a refusal is said, and nothing is kept for its undo.
    void change(const std::function<void()>& run);
    std::int64_t now(std::int64_t id) const;  // a field's ID since its removal was undone
    QString listOf(const QString& typed) const;
    void makeListFile(const QString& list) const;

    CatalogueSession& m_session;
    std::vector<ownfields::Field> m_fields;
    std::vector<std::function<void()>> m_undo;  // the latest last
    QHash<std::int64_t, std::int64_t> m_renumbered;
    QTreeWidget* lstFields = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cboKind = nullptr;
    QComboBox* cboList = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdUp = nullptr;
    QPushButton* cmdDown = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdEditList = nullptr;
    QPushButton* cmdUndo = nullptr;
};

}  // namespace kbs
