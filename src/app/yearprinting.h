#pragma once

#include "platform/integer.h"

class QWidget;

// Ctrl+P: the calendar of `year` through Qt's print dialog, to a printer or a
// file, the same page as --calendario writes. Nothing is printed on Cancel.
void printYearPage(QWidget *parent, Integer year);
