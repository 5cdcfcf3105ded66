#pragma once

#include "platform/integer.h"

#include <QDate>

// The only data shared between the window's handlers; it lives as long as the
// window and is never saved.
struct FormState {
    QDate DiffStartDate; // first day of the next count
    QDate DiffEndDate; // second day of the last count
    bool DiffPending = false; // true exactly while a count is armed
    Integer InputPosX = 0; // where the next prompt opens, twips on the screen
    Integer InputPosY = 0;
};
