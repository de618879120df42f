#include "archive/FieldChrome.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// The key filters of numeric fields: what typing, shortcuts and pasting let in.
class TestFieldChrome : public QObject
{
    Q_OBJECT

private slots:
    void typedCharacters_data();
    void typedCharacters();
    void shortcutsPass();
    void pasteKeepsOnlyAllowedCharacters_data();
    void pasteKeepsOnlyAllowedCharacters();
    void focusSelectsTheWholeNumber();
};

namespace {

struct Form
{
    QWidget window;
    QLineEdit *edit = new QLineEdit;
    QLineEdit *other = new QLineEdit;

    explicit Form(bool comma)
    {
        auto *box = new QVBoxLayout(&window);
        box->addWidget(edit);
        box->addWidget(other);
        brisvola::numberField(edit, comma);
    }
    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

void TestFieldChrome::typedCharacters_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("amount") << true << "1a2,-5x"
                            << "12,5";
    QTest::newRow("digits only") << false << "12,3 4b"
                                 << "1234";
    QTest::newRow("letters alone") << true << "abc"
                                   << "";
}

void TestFieldChrome::typedCharacters()
{
    QFETCH(bool, comma);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Form f(comma);
    QTest::keyClicks(f.edit, typed);
    QCOMPARE(f.edit->text(), kept);
}

void TestFieldChrome::shortcutsPass()
{
    Form f(true);
    f.edit->setText(QStringLiteral("123,45"));
    QTest::keyClick(f.edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.edit->selectedText(), QStringLiteral("123,45"));
    QTest::keyClick(f.edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123,45"));
    QTest::keyClick(f.edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.edit->text(), QString());
    QTest::keyClick(f.edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.edit->text(), QStringLiteral("123,45"));
}

void TestFieldChrome::pasteKeepsOnlyAllowedCharacters_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("kept");
    QTest::newRow("amount with letters") << true << "€ 1a2,5 0"
                                         << "12,50";
    QTest::newRow("digits only") << false << "IT 0123-45"
                                 << "012345";
    QTest::newRow("only letters") << true << "dodici"
                                  << "";
}

void TestFieldChrome::pasteKeepsOnlyAllowedCharacters()
{
    QFETCH(bool, comma);
    QFETCH(QString, clipboard);
    QFETCH(QString, kept);
    Form f(comma);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.edit->text(), kept);
}

void TestFieldChrome::focusSelectsTheWholeNumber()
{
    Form f(true);
    QVERIFY(f.show());
    f.edit->setText(QStringLiteral("0,00"));
    f.other->setFocus();
    QTest::mouseClick(f.edit, Qt::LeftButton, {}, QPoint(5, f.edit->height() / 2));
    QTRY_COMPARE(f.edit->selectedText(), QStringLiteral("0,00"));
    QTest::keyClicks(f.edit, QStringLiteral("12,5"));
    QCOMPARE(f.edit->text(), QStringLiteral("12,5"));

    f.other->setFocus();
    QTest::keyClick(f.other, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), f.edit);
    QTRY_COMPARE(f.edit->selectedText(), QStringLiteral("12,5"));
}

QTEST_MAIN(TestFieldChrome)
#include "tst_fieldchrome.moc"
