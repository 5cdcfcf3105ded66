#pragma once

#include "platform/integer.h"

#include <QDate>

// The only data shared between the window's handlers; it lives as long as the
// window and is never saved.
struct FormState {
    QDate DiffStartDate; // first day of the next count
    QDate DiffEndDate; // second day of the last count
    bool DiffPending = false; // true exactly while a count is armed
    // Where the next prompt opens, in twips on the screen: wider than 16 bits,
    // since a desktop can reach past 2184 pixels (32767 twips).
    int InputPosX = 0;
    int InputPosY = 0;
};
