// "Do I already have it?": the same casting while adding, the question before saving the same
// model again, and the duplicates, over a real catalogue and the real window.
#include <QAccessible>
#include <QTableWidget>
#include <QtTest>

#include "CastingIndex.h"
#include "CastingList.h"
#include "Connection.h"
#include "DataReport.h"
#include "Window.h"

using namespace kbs;
using namespace kbs::test;

namespace {

// 1 and 2 are one model written two ways; 3 is the same casting by its number in the series;
// 4 is number 12 of another series; 5 has three pieces; 6 a quantity that is no number.
void castings(const TestEnv& env) {
    env.addRecord({{"Description", "Ford Mustang"},
                   {"Number", "12"},
                   {"Series", "Superfast"},
                   {"Color", "Red"},
                   {"Wheel_Type", "5-spoke"},
                   {"Quantity", "2"},
                   {"Location", "Shelf B2"},
                   {"Status", "Have"}});
    env.addRecord({{"Description", "ford  mustang"},
                   {"Number", "12"},
                   {"Series", "superfast"},
                   {"Color", "RED"},
                   {"Wheel_Type", "5 spoke"},
                   {"Quantity", "1"}});
    env.addRecord({{"Description", "Mustang, Ford"},
                   {"Number", "1-2"},
                   {"Series", "Super Fast"},
                   {"Color", "Blue"}});
    env.addRecord({{"Description", "Beetle"}, {"Number", "12"}, {"Series", "Regular Wheels"}});
    env.addRecord({{"Description", "Beetle"}, {"Number", "3"}, {"Quantity", "3"}});
    env.addRecord({{"Description", "Citroën DS"}, {"Quantity", "two"}});
}

CastingIndex::Variation typed(const char* description, const char* number = "",
                              const char* series = "", const char* color = "",
                              const char* wheels = "") {
    CastingIndex::Variation v;
    v[0] = QString::fromUtf8(description);
    v[1] = QString::fromUtf8(number);
    v[3] = QString::fromUtf8(series);
    v[4] = QString::fromUtf8(color);
    v[8] = QString::fromUtf8(wheels);
    return v;
}

QList<qint64> idsOf(const RecordSet& rs, const std::vector<RecordSet::Slot>& found) {
    QList<qint64> ids;
    std::string scratch;
    for (const auto s : found)
        ids << QByteArrayView(rs.shownUtf8At(s, 0, scratch)).toLongLong();
    return ids;
}

// Types the model into the panel of a window in add mode.
void type(Window& win, const CastingIndex::Variation& v) {
    for (int i = 0; i < CastingIndex::VariationCount; ++i) {
        auto* box = ui(win).txtTextl[size_t(CastingIndex::VariationFields[size_t(i)])];
        box->textbox()->clear();
        if (v[size_t(i)].toLatin1() == v[size_t(i)].toUtf8())
            QTest::keyClicks(box->textbox(), v[size_t(i)]);
        else
            box->textbox()->insert(v[size_t(i)]);  // keys only for ASCII
    }
    QCoreApplication::processEvents();  // the list follows once the keys are done
}

}  // namespace

class TestCasting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matching_data() {
        QTest::addColumn<CastingIndex::Variation>("typed");
        QTest::addColumn<QList<qint64>>("casting");
        QTest::addColumn<QList<qint64>>("model");
        QTest::newRow("case") << typed("FORD MUSTANG") << QList<qint64>{1, 2} << QList<qint64>{};
        QTest::newRow("punctuation, all fields")
            << typed("Ford.Mustang", "12", "SUPER-FAST", "red", "5 Spoke") << QList<qint64>{1, 2, 3}
            << QList<qint64>{1, 2};
        QTest::newRow("number within series")
            << typed("", "1 2", "super fast") << QList<qint64>{1, 2, 3} << QList<qint64>{};
        QTest::newRow("number, other series")
            << typed("", "12", "") << QList<qint64>{} << QList<qint64>{};
        QTest::newRow("wheels differ") << typed("Ford Mustang", "12", "Superfast", "Red", "Disc")
                                       << QList<qint64>{1, 2, 3} << QList<qint64>{};
        QTest::newRow("part of a description")
            << typed("Mustang") << QList<qint64>{} << QList<qint64>{};
        QTest::newRow("accents and case")
            << typed("CITROËN-ds") << QList<qint64>{6} << QList<qint64>{6};
        QTest::newRow("nothing typed") << typed("") << QList<qint64>{} << QList<qint64>{};
    }
    void matching() {
        QFETCH(CastingIndex::Variation, typed);
        QFETCH(QList<qint64>, casting);
        QFETCH(QList<qint64>, model);
        TestEnv env;
        castings(env);
        Connection cn;
        cn.setConnectionString(Connection::connectionStringFor(env.dbPath()));
        cn.open();
        RecordSet rs;
        rs.open(u"select * from table1"_s, cn);
        CastingIndex index;
        index.build(rs);
        QCOMPARE(idsOf(rs, index.sameCasting(typed)), casting);
        QCOMPARE(idsOf(rs, index.sameModel(typed)), model);
        // By hand: 1 and 2 are one model (and 1 has two pieces), 5 has three; Beetle first.
        QCOMPARE(idsOf(rs, index.duplicates(rs)), (QList<qint64>{5, 1, 2}));
    }

    // While adding, the list shows the casting's records, the differing fields marked for the
    // eye and for a screen reader; it never takes the focus and hides when nothing matches.
    void listWhileAdding() {
        TestEnv env;
        castings(env);
        Window win(env);
        win.press("Add");
        auto* list = win->castingCommands()->list();
        QVERIFY(!list->isVisible());
        type(win, typed("ford mustang", "12", "Superfast", "Red", "Disc"));
        QVERIFY(list->isVisible());
        QCOMPARE(list->table()->rowCount(), 3);
        QVERIFY(ui(win).txtTextl[1]->textbox()->hasFocus());
        const QTableWidgetItem* wheels = list->table()->item(0, 8);
        QCOMPARE(wheels->text(), u"\u2260 5-spoke"_s);
        QVERIFY(wheels->data(Qt::AccessibleTextRole).toString().endsWith(u"differs"_s));
        QVERIFY(!list->table()
                     ->item(0, 0)
                     ->data(Qt::AccessibleTextRole)
                     .toString()
                     .contains(u"differs"_s));
        type(win, typed("Jaguar"));
        QVERIFY(!list->isVisible());
        type(win, typed("Beetle"));
        QVERIFY(list->isVisible());
        ui(win).cmdCancel->click();
        QVERIFY(!list->isVisible());
    }

    // Only the wheels differ: saved without a question, and the status bar (as a screen reader
    // reads it) names the casting.
    void variationSavedAndNamed() {
        TestEnv env;
        castings(env);
        Window win(env);
        win.press("Add");
        type(win, typed("Ford Mustang", "12", "Superfast", "Red", "Disc"));
        win.save();
        QCOMPARE(win.count(), 7);
        QVERIFY(env.prompts().shown.isEmpty());
        const QString note = CastingList::newVariationText(u"Ford Mustang"_s);
        QVERIFY2(win->statusText().endsWith(note), qPrintable(win->statusText()));
        QAccessibleInterface* status =
            QAccessible::queryAccessibleInterface(win->findChild<QLabel*>(u"Panel1"_s));
        QVERIFY(status->text(QAccessible::Name).endsWith(note));
        // The saved record is known at once: the same model again is asked about.
        win.press("Add");
        type(win, typed("Ford Mustang", "12", "Superfast", "Red", "Disc"));
        env.prompts().answerMsg(mb::Cancel);
        win.save();
        QVERIFY(env.prompts().shown.value(0).text.contains(u"ID 7"_s));
    }

    void sameModelAsked_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("quantity");  // of record 1 afterwards
        QTest::addColumn<bool>("stillAdding");
        QTest::newRow("add one") << int(mb::Yes) << 6 << u"3"_s << false;
        QTest::newRow("a record of its own") << int(mb::No) << 7 << u"2"_s << false;
        QTest::newRow("back to editing") << int(mb::Cancel) << 6 << u"2"_s << true;
    }
    void sameModelAsked() {
        QFETCH(int, answer);
        QFETCH(int, records);
        QFETCH(QString, quantity);
        QFETCH(bool, stillAdding);
        TestEnv env;
        castings(env);
        Window win(env);
        win.press("Add");
        type(win, typed("FORD MUSTANG", "12", "Superfast", "Red", "5-Spoke"));
        win.setField(11, u"Box 9"_s);
        env.prompts().answerMsg(answer);
        win.save();
        QCOMPARE(env.prompts().shown.size(), 1);
        const auto& asked = env.prompts().shown.front();
        QCOMPARE(asked.text,
                 CastingList::sameModelQuestion(u"2"_s, u"Shelf B2"_s, u"Ford Mustang"_s, 1, 1));
        QCOMPARE(asked.style, mb::YesNoCancel | mb::Question | mb::DefaultButton3);
        QCOMPARE(win.count(), records);
        QCOMPARE(win.stored("Quantity", 1), quantity);
        QCOMPARE(win->bAddingNew, stillAdding);
        QCOMPARE(ui(win).cmdSave->isVisible(), stillAdding);
        // Back to editing keeps the typing; adding one shows the record it was added to.
        QCOMPARE(win.field(11), stillAdding         ? u"Box 9"_s
                                : answer == mb::Yes ? u"Shelf B2"_s
                                                    : u"Box 9"_s);
    }

    // A quantity that is no whole number is not guessed at: said, and nothing stored.
    void quantityNotWhole() {
        TestEnv env;
        castings(env);
        Window win(env);
        win.press("Add");
        type(win, typed("citroën ds"));
        env.prompts().answerMsg(mb::Yes);
        env.prompts().answerMsg(mb::OK);
        win.save();
        QCOMPARE(env.prompts().shown.last().text, CastingList::notWholeQuantity(u"two"_s));
        QCOMPARE(win.stored("Quantity", 6), u"two"_s);
        QCOMPARE(win.count(), 6);
        QVERIFY(win->bAddingNew);
    }

    // The filter toggle and the report list the trade list: same model as another, or several.
    void duplicatesShown() {
        TestEnv env;
        castings(env);
        Window win(env);
        ui(win).FilterBar1->duplicatesToggle()->click();
        QTRY_VERIFY(!win.grid().model().isFiltering());
        QCOMPARE(win.column(0), (QStringList{u"1"_s, u"2"_s, u"5"_s}));
        win->Toolbar1_ButtonMenuClick(CastingList::duplicatesEntry());
        QCOMPARE(*win->DataReport1->recordIds(), (std::vector<std::int64_t>{5, 1, 2}));
        QCOMPARE(win->DataReport1->caption(), CastingList::duplicatesCaption());
    }
};

QTEST_MAIN(TestCasting)
#include "tst_casting.moc"
