// A user's session with the recipe window, photographed step by step into the folder given as
// its argument (under Xvfb, to see the real fonts):
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/brisvola_recipe_screens /tmp/shots
#include "archive/AllegaCartella.h"
#include "recipes/ImportaPortata.h"
#include "recipes/Ricette.h"
#include "recipes/WebCam.h"
#include "recipes/Zoom.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

QString shots;

void shoot(QWidget *w, const QString &name)
{
    QTest::qWait(60);
    w->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Gives the focus to a field as a click would (Xvfb has no window manager to reactivate the
// window after a dialog).
void focus(QWidget *field)
{
    QApplication::setActiveWindow(field->window());
    field->setFocus(Qt::MouseFocusReason);
}

// Types into the focused field, non-ASCII characters one by one, then presses Enter.
void typeAndEnter(const QString &text, bool enter = true)
{
    QWidget *w = QApplication::focusWidget();
    for (QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(w, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    if (enter)
        QTest::keyClick(w, Qt::Key_Return);
}

QImage dish(QColor plate, QColor food)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(QColor(90, 60, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(plate);
    p.drawEllipse(QPoint(400, 300), 330, 250);
    p.setBrush(food);
    p.drawEllipse(QPoint(400, 300), 190, 130);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisvola_recipe_screens FOLDER\n");
        return 2;
    }
    shots = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(shots);
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmRicette w;
    w.setWindowState(Qt::WindowNoState);
    w.setGeometry(0, 0, 1400, 880);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("the recipe window never showed");
    QApplication::setActiveWindow(&w);
    QTest::qWait(100);
    shoot(&w, QStringLiteral("01-nuova"));

    // The first recipe, typed along the Enter chain.
    typeAndEnter(QStringLiteral("Lasagne alla bolognese")); // to the course: the picker opens
    const auto coursePicker = onNextModal([](QWidget *picker) {
        auto *list = picker->findChild<QListWidget *>(QStringLiteral("lstRecords"));
        list->setCurrentRow(2);
        QTest::qWait(30);
        shoot(picker, QStringLiteral("02-portata"));
        QTest::mouseClick(picker->findChild<QAbstractButton *>(QStringLiteral("btnImporta")),
                          Qt::LeftButton);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    focus(w.findChild<QLineEdit *>(QStringLiteral("txtNazionalita")));
    typeAndEnter(QStringLiteral("Italiana"));
    typeAndEnter(QStringLiteral("Media"));
    typeAndEnter(QStringLiteral("Sangiovese di Romagna"));
    typeAndEnter(QStringLiteral("2 ore e ½"));
    typeAndEnter(QStringLiteral("650 kcal"));
    typeAndEnter(
        QStringLiteral("500 g di sfoglia all'uovo\n300 g di ragù\n1 l di besciamella\n100 g di "
                       "parmigiano grattugiato"),
        false);
    focus(w.findChild<QLineEdit *>(QStringLiteral("txtDescrizione")));
    typeAndEnter(QStringLiteral("Lasagne fatte in casa con ragù di carne"));
    typeAndEnter(
        QStringLiteral("Alternare strati di sfoglia, ragù e besciamella.\nCuocere in forno "
                       "a 180 °C per 40 minuti."),
        false);
    focus(w.findChild<QLineEdit *>(QStringLiteral("txtPrezzo")));
    static_cast<QLineEdit *>(QApplication::focusWidget())->clear();
    typeAndEnter(QStringLiteral("12,5")); // 12,50 on leaving
    typeAndEnter(QStringLiteral("Ricettario di famiglia"));
    typeAndEnter(QStringLiteral("Calde, in piatto piano"));
    typeAndEnter(QStringLiteral("Si possono preparare il giorno prima"), false);
    w.findChild<QCheckBox *>(QStringLiteral("chkSegnalata"))->setChecked(true);
    w.setPhoto(dish(Qt::white, QColor(200, 70, 40)));
    shoot(&w, QStringLiteral("03-compilata"));
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdSalva")), Qt::LeftButton);
    shoot(&w, QStringLiteral("04-salvata"));

    // A second recipe, then back to the first, then a duplicate of it.
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdNuovo")), Qt::LeftButton);
    typeAndEnter(QStringLiteral("Tiramisù"));
    const auto dessertPicker = onNextModal([](QWidget *picker) {
        picker->findChild<QListWidget *>(QStringLiteral("lstRecords"))->setCurrentRow(8);
        QTest::mouseClick(picker->findChild<QAbstractButton *>(QStringLiteral("btnImporta")),
                          Qt::LeftButton);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D);
    focus(w.findChild<QLineEdit *>(QStringLiteral("txtDescrizione")));
    typeAndEnter(QStringLiteral("Savoiardi, mascarpone e caffè"), false);
    w.setPhoto(dish(QColor(250, 245, 230), QColor(120, 80, 50)));
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdSalva")), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdPrimo")), Qt::LeftButton);
    shoot(&w, QStringLiteral("05-prima"));
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdAvanti")), Qt::LeftButton);
    shoot(&w, QStringLiteral("06-seconda"));
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdIndietro")),
                      Qt::LeftButton);
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdDuplica")), Qt::LeftButton);
    shoot(&w, QStringLiteral("07-duplicata"));
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdSalva")), Qt::LeftButton);
    shoot(&w, QStringLiteral("08-copia-salvata"));

    const auto attachments =
        onNextModal([](QWidget *dialog) { shoot(dialog, QStringLiteral("09-allegati")); });
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdFile")), Qt::LeftButton);
    const auto webcam = onNextModal([](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("btnAccendi")),
                          Qt::LeftButton);
        shoot(dialog, QStringLiteral("10-webcam"));
    });
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("btnAcquisisciFoto")),
                      Qt::LeftButton);
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("cmdPrimo")), Qt::LeftButton);
    const auto zoom = onNextModal([](QWidget *dialog) {
        dialog->setWindowState(Qt::WindowNoState);
        dialog->setGeometry(0, 0, 1400, 880);
        shoot(dialog, QStringLiteral("11-zoom"));
    });
    QTest::mouseClick(w.findChild<QAbstractButton *>(QStringLiteral("btnZoomFoto")),
                      Qt::LeftButton);
    for (const auto &m : messages.shown)
        qInfo() << m.text;
    return 0;
}
