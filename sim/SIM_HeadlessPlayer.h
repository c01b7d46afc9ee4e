// What a player without screens does with a day's social side: the headless bench and the
// tests' day driver both organise their evenings here, so they play the same way.
#pragma once

class SIM_SocialiseInstance;

namespace headless {

// On a free slot of the activities part of the day, an evening for two: of the kinds offered
// today and affordable, with the friends not yet asked today, the pair in which the friend is
// keenest (the first found of equals), when the player's mood and that keenness promise an
// evening the friend will like and the friend accepts. The day of the game picks one of the
// categories offered today to try first (every other day bowling, for a player who has taken
// it up and never been asked onto the team); its best pair wins when it promises enough. A
// venue's window is answered at once (headless screens). Returns the evening started, or null
// when none was organised.
SIM_SocialiseInstance* OrganiseEvening();

// A member of the bowling team plays the team's match when it is offered (the match day's
// last slot). True when it was played.
bool PlayTeamMatch();

}  // namespace headless
