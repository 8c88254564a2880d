#pragma once
#include "draw_controler.h"

// The program's one model object, built in static storage before WinMain runs
// and destroyed at process exit. Every window procedure works on it.
extern Draw_Controler the_model;
