// What a player without screens does with a day's social side: the headless bench and the
// tests' day driver both organise their evenings here, so they play the same way.
#pragma once

class SIM_SocialiseInstance;

namespace headless {

// On a free slot of the activities part of the day, an evening for two: of the kinds offered
// today and affordable, with the friends not yet asked today, the pair in which the friend is
// keenest (the first found of equals), when the player's mood and that keenness promise an
// evening the friend will like and the friend accepts. Returns the evening run, or null when
// none was organised.
SIM_SocialiseInstance* OrganiseEvening();

// Now and then a trip to the shops: one day in twenty-five a possession the player can
// easily afford (at most a third of the cash, and a running cost cash covers for a month) is
// bought; one day in sixty an owned asset that can be sold goes second-hand. A way to work
// that the player now owns the means for, and that reaches the job, is taken. Returns 1 for
// a purchase, -1 for a sale, 0 otherwise.
int Shop();

}  // namespace headless
