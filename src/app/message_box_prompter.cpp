#include "app/message_box_prompter.h"
