// Shows the message of a section or address check fault: exclamation icon, OK.
#pragma once

void ShowCheckMessage(int error);
