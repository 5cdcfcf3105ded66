#pragma once

#include <QDate>
#include <QString>

// The answer of the "D" button once the second day is picked: both days in
// the order given, and the number of days between them, never negative
// ("Tra il 01/03/2010 ed il 31/03/2010 ci sono 30 giorni").
QString dayDiffMessage(QDate start, QDate end);

QString dayDiffTitle();
