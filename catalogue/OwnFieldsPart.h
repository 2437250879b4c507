#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "DetailPanel.h"
#include "OwnFields.h"

class QGridLayout;
class QLabel;
class QToolButton;

namespace kbs {

class CatalogueSession;
class TagEdit;

// The collector's own fields and the record's tags, in a part of the panel of their own
// between the described panel and the grid: a line that opens and closes it (showing the
// values in short while closed), then a label and an editor for each field, in the fields'
// order, and the tags. Shown, cleared, locked and saved with the described fields.
class OwnFieldsPart : public QWidget, public PanelPart {
    Q_OBJECT
public:
    OwnFieldsPart(CatalogueSession& session, QWidget& tabAfter, QWidget* parent);

    bool isOpen() const;
    void setOpen(bool open);
    // Places the part at the top of `area`; the rest of it is returned.
    QRect placeIn(const QRect& area);
    // The fields as the catalogue has them now: the editors are made anew when they changed.
    void syncFields();

    // The editor of a field, by the field's ID; the tags' editor.
    QWidget* editor(std::int64_t fieldId) const;
    TagEdit* tagEditor() const { return m_tags; }
    QToolButton* toggle() const { return m_toggle; }

    // ---- PanelPart
    void clearPart() override;
    void showRecord(std::int64_t recordId) override;
    void lockPart(bool locked) override;
    void keepForSave() override;

Q_SIGNALS:
    void heightChanged();
    // The editors were made anew for these fields (the catalogue's, in their order).
    void fieldsSynced(const std::vector<ownfields::Field>& fields);

private:
    struct Editor {
        ownfields::Field field;
        QLabel* label = nullptr;
        QWidget* widget = nullptr;
    };
    void build();
    void showSummary();
    static QString textOf(const Editor& e);
    static void setTextOf(const Editor& e, const QString& stored);
    int wantedHeight() const;

    CatalogueSession& m_session;
    QWidget& m_tabAfter;
    QToolButton* m_toggle = nullptr;
    QLabel* m_summary = nullptr;
    QWidget* m_body = nullptr;
    QGridLayout* m_grid = nullptr;
    QLabel* m_tagsLabel = nullptr;
    TagEdit* m_tags = nullptr;
    std::vector<Editor> m_editors;
    bool m_synced = false;
    bool m_locked = true;
};

}  // namespace kbs
