// What a player without screens does with a day's social side: the headless bench and the
// tests' day driver both organise their evenings here, so they play the same way.
#pragma once

class SIM_SocialiseInstance;

namespace headless {

// On a free slot of the activities part of the day, an evening for two: for each category
// offered today and affordable, the pair in which a friend not yet asked today is keenest
// (the first found of equals); of the categories whose pair promises an evening the friend
// will like (the player's mood and that keenness together), the one had least often so far,
// except that one day in three a player who has taken up bowling, sober and rested, goes
// bowling until the team has asked. A venue's window is answered at once (headless screens).
// Returns the evening started, or null when none was organised.
SIM_SocialiseInstance* OrganiseEvening();

// A member of the bowling team plays the team's match when it is offered (the match day's
// last slot). True when it was played.
bool PlayTeamMatch();

}  // namespace headless
