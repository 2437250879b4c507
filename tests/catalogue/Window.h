#pragma once

// A catalogue window started on a test program directory, driven through its own widgets,
// with helpers to read what the person sees.
#include <QBuffer>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "Controls.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "Settings.h"
#include "TestEnv.h"
#include "frmMain.h"

namespace kbs::test {

using namespace Qt::StringLiterals;

// Beetle (ID 1), alfa (2) and Cortina (3).
inline void threeCars(const TestEnv& env) {
    env.addRecord({{"Description", "Beetle"}, {"Year", "1970"}, {"Color", "Blue"}});
    env.addRecord({{"Description", "alfa"}, {"Year", "965"}, {"Color", "Dark red"}});
    env.addRecord({{"Description", "Cortina"}, {"Year", "1972"}, {"Color", "Green"}});
}

struct Window {
    TestEnv& env;
    std::unique_ptr<frmMain> w;
    explicit Window(TestEnv& e) : env(e) {
        Settings::save(u"Tipstatus"_s, u"Show Tips at Startup"_s, u"0"_s);
        w = std::make_unique<frmMain>();
        w->Form_Load();
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("the catalogue window did not become active");
    }
    ~Window() {
        env.prompts().answerMsg(mb::Yes);  // the quit question
        w->close();
    }
    frmMain* operator->() { return w.get(); }
    FlexGrid& grid() { return *ui(w).FG1; }
    // The ID of the record the record set stands on.
    qint64 currentId() { return w->recordSet()->value(0).toLongLong(); }
    QString field(int box) { return ui(w).txtTextl[size_t(box)]->text(); }
    void setField(int box, const QString& text) { ui(w).txtTextl[size_t(box)]->setText(text); }
    void press(const char* key) { w->toolbarButton(QString::fromLatin1(key))->click(); }
    void save() { ui(w).cmdSave->click(); }
    QStringList column(int c) {
        QStringList out;
        for (int r = 1; r < grid().rows(); ++r)
            out << grid().textMatrix(r, c);
        return out;
    }
    void clickRow(int row) {
        const QModelIndex idx = grid().model().index(row - 1, 1);
        grid().scrollTo(idx);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().visualRect(idx).center());
    }
    // Clicks the grid row of the record with this ID.
    void show(qint64 id) {
        const int row = int(column(0).indexOf(QString::number(id))) + 1;
        QVERIFY2(row > 0, "no such record in the grid");
        clickRow(row);
    }
    void clickHeading(int col) {
        auto* h = grid().horizontalHeader();
        const int x = h->sectionViewportPosition(col) + h->sectionSize(col) / 2;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
    }
    int count() const { return env.value(u"SELECT count(*) FROM table1"_s).toInt(); }
    QString stored(const char* column, qint64 id) const {
        return env.value(u"SELECT %1 FROM table1 WHERE ID=?"_s.arg(QLatin1String(column)), {id})
            .toString();
    }
};

}  // namespace kbs::test
