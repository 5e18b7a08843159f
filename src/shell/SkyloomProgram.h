#pragma once
// What the skyloom program's command line and scripts offer beyond the common steps:
// the steps that work on the live panel, the time of the layout and its pictures.
#include "scripting/ScriptingProgram.h"

const ScriptingProgram& skyloomProgram();
