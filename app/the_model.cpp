#include "the_model.h"

Draw_Controler the_model;
