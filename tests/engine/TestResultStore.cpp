#include "store/ResultStore.h"

#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

class TestResultStore : public QObject
{
    Q_OBJECT

private slots:
    void blockRowsFollowEachOther();
    void insertedPasswordsStandOnTopInReverseOrder();
    void indexOfFindsTheFirstEqualRow();
    void clearEmptiesTheList();

private:
    static SharedPasswordBlock digitBlock(const QStringList &rows);
};

SharedPasswordBlock TestResultStore::digitBlock(const QStringList &rows)
{
    auto block = std::make_shared<PasswordBlock>(CharacterPool(QList<char32_t>{U'0', U'1', U'2', U'3'}), 2,
                                                 rows.size());
    for (const QString &text : rows) {
        const QByteArray indices = block->indicesOf(text);
        std::copy(indices.cbegin(), indices.cend(), block->nextRow());
        block->commit();
    }
    return block;
}

void TestResultStore::blockRowsFollowEachOther()
{
    const SharedPasswordBlock block = digitBlock({u"01"_s, u"12"_s, u"23"_s, u"30"_s});
    ResultStore store;
    store.append(block, 0, 1);
    store.append(block, 1, 2);
    store.append(block, 3, 1);
    QCOMPARE(store.size(), 4);
    QCOMPARE(store.text(0), u"01"_s);
    QCOMPARE(store.text(3), u"30"_s);
    QVERIFY(store.text(4).isNull());
}

void TestResultStore::insertedPasswordsStandOnTopInReverseOrder()
{
    ResultStore store;
    store.append(digitBlock({u"01"_s, u"12"_s}), 0, 2);
    store.insertAtTop(u"3002872312"_s);
    store.insertAtTop(u"0"_s);
    QCOMPARE(store.size(), 4);
    QCOMPARE(store.text(0), u"0"_s);
    QCOMPARE(store.text(1), u"3002872312"_s);
    QCOMPARE(store.text(2), u"01"_s);

    // A million inserts stay in order (and are quick, as each is constant time).
    ResultStore many;
    for (int i = 0; i < 1000000; ++i)
        many.insertAtTop(QString::number(i));
    QCOMPARE(many.text(0), u"999999"_s);
    QCOMPARE(many.text(999999), u"0"_s);
    QCOMPARE(many.indexOf(u"500000"_s), 499999);
}

void TestResultStore::indexOfFindsTheFirstEqualRow()
{
    ResultStore store;
    store.insertAtTop(u"12"_s);
    store.append(digitBlock({u"01"_s, u"12"_s, u"01"_s}), 0, 3);
    QCOMPARE(store.indexOf(u"12"_s), 0);
    QCOMPARE(store.indexOf(u"01"_s), 1);
    QCOMPARE(store.indexOf(u"33"_s), -1);
    QCOMPARE(store.indexOf(u"0"_s), -1);
}

void TestResultStore::clearEmptiesTheList()
{
    ResultStore store;
    store.insertAtTop(u"1"_s);
    store.append(digitBlock({u"01"_s}), 0, 1);
    store.clear();
    QCOMPARE(store.size(), 0);
    QCOMPARE(store.indexOf(u"1"_s), -1);
}

QTEST_GUILESS_MAIN(TestResultStore)
#include "TestResultStore.moc"
