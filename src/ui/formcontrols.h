#pragma once

#include "platform/formcontrols.h"
