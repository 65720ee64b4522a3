#pragma once
// The Scores dialog's content: its figures are the rules' (game/scores.h), which the
// network game sends its guest as well.
#include "game/scores.h"
