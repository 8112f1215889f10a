#pragma once

#include "RecordingMessages.h"

#include <QString>

// Every message the program can show, with the icon it shows it with. A
// box that matches none of them is a message nobody meant to show.
namespace KnownMessages {

// Empty when the box is one the program can show; otherwise why it is not.
QString Problem(const RecordingMessages::Box& box);

}  // namespace KnownMessages
