// The dialog templates of the timer, clock, counter and average pages.
#pragma once

void RegisterTimerTemplates();
