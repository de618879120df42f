#pragma once

#include "calendar/CalendarRules.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The services calendar: four rows choose the period of a reservation summary (today, a day, a
// month, an interval) and its year. A row's Visualizza checks it, records the year's archive and
// the kind of summary and closes the window, whose closing shows that summary (or the launcher).
class TfrmCalendarioServizi : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCalendarioServizi(QWidget *parent = nullptr);

    // The texts of the rows' fields by control name, as the summaries read them.
    calendar::CalendarTexts fieldTexts() const;
    // lblFile: the chosen year's reservation archive.
    QString archivePath() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QComboBox *list(QWidget *parent, const QString &name, const QStringList &values, int width);
    QLineEdit *year(QWidget *parent, const QString &name);
    void visualizza(calendar::Period period);
    void imgGuidaClick();

    QWidget *panContainer;
    QLabel *lblMemory;
    QLabel *lblFile;
    QList<QComboBox *> m_lists;
    QList<QLineEdit *> m_years;
};
