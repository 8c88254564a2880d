#include "the_model.h"

namespace {
Draw_Controler model;
}

Draw_Controler& The_Model() { return model; }
