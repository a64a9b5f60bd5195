#pragma once
// The flat media layer the whole game draws, listens, sounds and reads through.
#include "shell/media/audio.h"
#include "shell/media/clock.h"
#include "shell/media/collision.h"
#include "shell/media/files.h"
#include "shell/media/font.h"
#include "shell/media/graphics.h"
#include "shell/media/image.h"
#include "shell/media/input.h"
#include "shell/media/messages.h"
#include "shell/media/numbers.h"
#include "shell/media/random.h"
