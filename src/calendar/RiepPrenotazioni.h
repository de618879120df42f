#pragma once

#include "calendar/CalendarRules.h"

#include <QWidget>

class QLabel;
class QPushButton;
class RecordListPanel;

// The reservation summaries of the services calendar: one window, configured for today, a day,
// a month or an interval. Every showing reads the period from the calendar window's fields and
// rebuilds the list from the year's archive; closing empties the list (the launcher comes back).
class ReservationSummaryWindow : public QWidget
{
    Q_OBJECT
public:
    ReservationSummaryWindow(calendar::Period period, const QString &className,
                             const QString &caption, QWidget *parent);

    calendar::Period period() const { return m_period; }
    // The help text of the summaries; the monthly one speaks of lunch and dinner only.
    static QString helpText(calendar::Period period);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();
    void btnStampaClick();
    void imgGuidaClick();

    calendar::Period m_period;
    QWidget *panContainer;
    QLabel *titTipologia;
    QLabel *lblTotale;
    QLabel *panInfo;
    RecordListPanel *m_list;
};

class TfrmRiepAnnuale : public ReservationSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepAnnuale(QWidget *parent = nullptr);
};

class TfrmRiepGiornaliero : public ReservationSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepGiornaliero(QWidget *parent = nullptr);
};

class TfrmRiepMensile : public ReservationSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepMensile(QWidget *parent = nullptr);
};

class TfrmRiepIntervallo : public ReservationSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepIntervallo(QWidget *parent = nullptr);
};
