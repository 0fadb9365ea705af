// Every flag of the game, named once. A flag is one bit of the status block
// (numbers 0 to 255), so the numbers below are part of the save format:
// never renumber one. Grouped as the flag table groups them.
#pragma once

// ---- Reserved flags ----

constexpr int F_DANGER = 0; // while set, saving is refused

// Flag sequence 0 carries the golden key off: its token moves along these
// three flags (snatched from the library floor, flown down the stairs to
// the ground-floor guest room, shot down there).
constexpr int SEQ_GOLDEN_KEY = 0; // the sequence's number, not a flag
constexpr int F_KEY_SNATCHED = 131;
constexpr int F_KEY_FLOWN_DOWN = 132;
constexpr int F_KEY_SHOT_DOWN = 133;

// The score and the rating count flags 3, 4, 5, 11, 15, 36, 38, 39 and 41,
// named in the groups below.

// ---- Grounds and ground floor ----

constexpr int F_MAILBOX_OPEN = 2;
constexpr int F_MAILBOX_CLOSED_AGAIN = 3; // a mania point
constexpr int F_LEAFLET_TAKEN = 4;        // a score point
constexpr int F_MEDAL_TAKEN = 5;          // a mania point
constexpr int F_CLIPPING_SEEN = 6;        // the newspaper clipping has been looked at
constexpr int F_POT_MOVED = 7;            // the flowerpot at the entrance moved
constexpr int F_POT_BROKEN = 8;
constexpr int F_BRASS_KEY_TAKEN = 9;
constexpr int F_WOODEN_KEY_TAKEN = 10;
constexpr int F_ENTERED_HOUSE = 11; // stepped in through the front door; a score point
constexpr int F_PHONE_RINGING = 12; // set by the corridor on the way into the living room
constexpr int F_PHONE_STOPS = 13;   // the player walked out on it
constexpr int F_PHONE_DEAD = 14;
constexpr int F_PHONE_ANSWERED = 15; // a mania point
constexpr int F_PHOTO_SEEN = 16;     // the family photograph looked at
constexpr int F_PHOTO_MAN_SEEN = 17; // each of the four people in it looked at
constexpr int F_PHOTO_WOMAN_SEEN = 18;
constexpr int F_PHOTO_GIRL_SEEN = 19;
constexpr int F_PHOTO_BOY_SEEN = 20;
constexpr int F_CLOCK_RUNNING = 21; // the cuckoo clock wound up
constexpr int F_CLOCK_ON_HOUR = 22; // its hands set to a full hour
constexpr int F_CUCKOO_DUE = 23;
constexpr int F_CUCKOO_OUT = 24; // the little window is open
constexpr int F_TOY_BIRD_TAKEN = 25;
constexpr int F_ASH_STIRRED = 26;
constexpr int F_SILVER_KEY_TAKEN = 27;
constexpr int F_FOSSIL_TAKEN = 28;
constexpr int F_BALL_IN_POCKET = 30;       // the billiard ball rolled into a pocket and kept
constexpr int F_WASTEPAPER_OUT = 31;       // the wastepaper pushed out into the tray
constexpr int F_WASTEPAPER_TAKEN = 32;
constexpr int F_DRAGON_TAKEN = 33;
constexpr int F_GOLDEN_KEY_TAKEN = 34;
constexpr int F_GUESTROOM_1F_WARDROBE_OPEN = 35;
constexpr int F_BATH_DRAINED = 36;        // the plug chain pulled; a score point
constexpr int F_MIRROR_MESSAGE_READ = 37; // the writing behind the bathroom mirror
constexpr int F_MIRROR_TAKEN = 38;        // the mirror off the bathroom wall; a score point
constexpr int F_GLASSES_TAKEN = 39;       // a score point
constexpr int F_DUCK_TAKEN = 40;
constexpr int F_TOILET_USED = 41; // a mania point
constexpr int F_STORAGE_TABLE_BACK = 42;   // the table pushed to the back of the room
constexpr int F_STORAGE_DRAWER_SHUT = 43;  // the chest's drawer closed
constexpr int F_SPONGE_WET = 44;           // the sponge soaked in the washtub
constexpr int F_SPONGE_HOOKED = 45;        // the sponge hangs on the fishing rod's hook
constexpr int F_LANTERN_TAKEN = 46;
constexpr int F_LANTERN_LIT = 47;
constexpr int F_OVEN_OPEN = 48;
constexpr int F_CHICKEN_TAKEN = 49;
constexpr int F_OFFERING_PLACED = 50;       // the roast chicken set on the dining table
constexpr int F_GLASSES_ON_CHAIR = 51;      // the father's chair
constexpr int F_NECKLACE_ON_CHAIR = 52;     // the mother's chair
constexpr int F_PLUSH_CAT_ON_CHAIR = 53;    // the girl's chair
constexpr int F_LARGE_ROBOT_ON_CHAIR = 54;  // the boy's chair
constexpr int F_SWORDMAN_TAKEN = 55;
constexpr int F_DINNER = 56;       // the ghosts sit at the table
constexpr int F_CANDLE_LIT = 57;   // the dinner has been held
constexpr int F_CANDLE_TAKEN = 58; // the candle off its candlestick
constexpr int F_BONE_TAKEN = 59;
constexpr int F_WASHER_OPEN = 73;
constexpr int F_DRYER_OPEN = 74;
constexpr int F_BRONZE_KEY_FOUND = 75; // in the jacket in the washer
constexpr int F_BRONZE_KEY_TAKEN = 76;
constexpr int F_DOG_UP = 77;   // the dog answered to its name
constexpr int F_DOG_GONE = 78; // the dog left with its master's hat
constexpr int F_BELT_TAKEN = 79;
constexpr int F_ROD_TAKEN = 80;
constexpr int F_POKER_TAKEN = 81;
constexpr int F_SLINGSHOT_REPAIRED = 89; // put together from the branch and the rubber strip

// ---- Door flags ----
// Set the first time the door is walked through, from either side; the
// name gives the places on both sides.

constexpr int F_DOOR_HALL_DINING = 168;
constexpr int F_DOOR_HALL_CORRIDOR_1F_FL = 169;
constexpr int F_DOOR_HALL_CORRIDOR_1F_FR = 170;
constexpr int F_DOOR_CORRIDOR_1F_FR_BATHROOM = 171;
constexpr int F_DOOR_LIVING_DINING = 172;
constexpr int F_DOOR_DINING_KITCHEN = 173;
constexpr int F_DOOR_CORRIDOR_1F_BR_KITCHEN = 174;
constexpr int F_DOOR_CORRIDOR_1F_BR_LAUNDRY = 175;
constexpr int F_DOOR_CORRIDOR_1F_BL_LIVING = 176;
constexpr int F_DOOR_CORRIDOR_1F_FL_GUESTROOM_1F = 177;
constexpr int F_DOOR_CORRIDOR_1F_MR_STORAGE = 178;
constexpr int F_DOOR_CORRIDOR_1F_BL_PLAYROOM = 179;
constexpr int F_DOOR_LANDING_CORRIDOR_2F_C = 180;
constexpr int F_DOOR_CORRIDOR_2F_C_BOYS_ROOM = 181;
constexpr int F_DOOR_CORRIDOR_2F_L_GIRLS_ROOM = 182;
constexpr int F_DOOR_CORRIDOR_2F_CR_LADYS_ROOM = 183;
constexpr int F_DOOR_CORRIDOR_2F_L_GUESTROOM_2F = 184;
constexpr int F_DOOR_CORRIDOR_2F_CR_STUDY = 185;
constexpr int F_DOOR_CORRIDOR_2F_R_LIBRARY = 186;
constexpr int F_DOOR_CORRIDOR_2F_R_BEDROOM = 187;
constexpr int F_DOOR_CORRIDOR_2F_L_MUSIC_ROOM = 188;
constexpr int F_DOOR_MUSIC_ROOM_BATHROOM_2F = 189;
constexpr int F_DOOR_GIRLS_ROOM_MUSIC_ROOM = 190; // over the desk
constexpr int F_DOOR_MUSIC_ROOM_BALCONY = 191;
constexpr int F_DOOR_LAUNDRY_CELLAR = 192; // the hatch in the laundry floor
constexpr int F_DOOR_CELLAR_BOILER_ROOM = 193;

// ---- Lock flags ----
// Named after the door they unlock, as above.

constexpr int F_UNLOCKED_FRONT_DOOR = 1;                 // with the brass key
constexpr int F_UNLOCKED_HALL_DINING = 148;              // by its handle, from the dining side
constexpr int F_UNLOCKED_HALL_CORRIDOR_1F_FR = 149;      // by its handle, from the corridor side
constexpr int F_UNLOCKED_LANDING_CORRIDOR_2F_C = 150;    // with the bronze key
constexpr int F_UNLOCKED_CORRIDOR_2F_L_MUSIC_ROOM = 151; // by its handle, from the music room

// ---- Upper floor ----

constexpr int F_GUESTROOM_2F_PARITY = 60; // toggled on every counted command there
constexpr int F_PORTRAIT_OFF = 61;        // the portrait taken down and turned round
constexpr int F_GUEST_ARMOUR_ALERTED = 62;
constexpr int F_GUEST_ARMOUR_APPROACHING = 63;
constexpr int F_GUEST_ARMOUR_IN_FRONT = 64;
constexpr int F_GUEST_BOOKS_MOVED = 65; // moved onto the cabinet
constexpr int F_LOGBOOK_SEEN = 66;
constexpr int F_LOGBOOK_TAKEN = 67;
constexpr int F_GUEST_CHAIR_MOVED = 68;
constexpr int F_GUEST_TABLE_MOVED = 69;
constexpr int F_CABINET_OPEN = 70;
constexpr int F_SPONGE_TAKEN = 71;
constexpr int F_BOTTLE_TAKEN = 72;
constexpr int F_FIRST_ASCENT = 82;      // the blackout on the way upstairs seen
constexpr int F_BUNK_LADDER_TAKEN = 83; // the ladder taken from the bunk bed
constexpr int F_CHEST_MOVED = 84;       // the treasure chest pushed aside
constexpr int F_CHEST_UNLOCKED = 85;    // its lock opened with the key, or smashed
constexpr int F_CHEST_OPEN = 86;
constexpr int F_BILLIARD_BALL_TAKEN = 87;
constexpr int F_SLINGSHOT_TAKEN = 88;
constexpr int F_DIARY_FOUND = 90; // the mattress turned up on the upper bunk
constexpr int F_DIARY_TAKEN = 91;
constexpr int F_PLUSH_CAT_TAKEN = 92;
constexpr int F_WARDROBE_OPEN = 93; // the lady's room wardrobe, the place one can hide in
constexpr int F_DRESSER_DRAWER_UNLOCKED = 94;
constexpr int F_DRESSER_DRAWER_OPEN = 95;
constexpr int F_BRANCH_TAKEN = 96;
constexpr int F_NECKLACE_TAKEN = 97; // starts the shadow's hunt
constexpr int F_SHADOW_SCREAM = 98;  // the shadow's four stages, one at a time
constexpr int F_SHADOW_OUTSIDE = 99;
constexpr int F_SHADOW_ENTERS = 100;
constexpr int F_SHADOW_HERE = 101;
constexpr int F_BEDROOM_DRAWER_OPEN = 102;
constexpr int F_MARBLE_FOUND = 103; // looked under the bed
constexpr int F_MARBLE_TAKEN = 104;
constexpr int F_STUDY_ARMOUR_AWAKE = 105;
constexpr int F_STUDY_ARMOUR_ATTACKING = 106;
constexpr int F_STUDY_LIBRARY_DOOR_CLOSED = 107;
constexpr int F_DESK_DRAWER_UNLOCKED = 108;
constexpr int F_DESK_DRAWER_OPEN = 109;
constexpr int F_SCREWDRIVER_TAKEN = 110;
constexpr int F_POSTCARD_READ = 111;
constexpr int F_STUDY_NOTES_READ = 112;
constexpr int F_LIBRARY_ARMOUR_GONE = 113; // its circle erased, the armour harmless
constexpr int F_LIBRARY_ARMOUR_COMING = 114;
constexpr int F_LIBRARY_ARMOUR_HERE = 115; // in front of the player
constexpr int F_SHELF_HANDLE_FOUND = 116;  // books moved off the handle
constexpr int F_SHELF_HANDLE_DOWN = 117;
constexpr int F_PASSAGE_OPEN = 118; // the right shelf swung open
constexpr int F_SEANCE_READ = 119;  // the necromancy book read
constexpr int F_LIBRARY_LADDER_PLACED = 120;
constexpr int F_PLANE_TAKEN = 121;    // the origami plane from the shelf top
constexpr int F_FOSSIL_ON_FLOOR = 122;
constexpr int F_LIBRARY_ARMOUR_DOWN = 123; // tripped over the fossil
constexpr int F_LIBRARY_ARMOUR_RISING = 124;
constexpr int F_NOTEBOOK_FELL = 125; // from the skeleton in the secret room
constexpr int F_NOTEBOOK_READ = 126;
constexpr int F_CANDLE_ON_ALTAR = 127;
constexpr int F_CIRCLE_CHARGED = 128; // incense burnt in the candle's flame
constexpr int F_SECRET_LETTER_READ = 129;
constexpr int F_SECRET_BOOK_READ = 130;
constexpr int F_LION_TAKEN = 134;
constexpr int F_WITCH_TAKEN = 135;
constexpr int F_SCORE_FOUND = 136; // spotted among the girl's books
constexpr int F_SCORE_TAKEN = 137;
constexpr int F_DOLL_TAKEN = 138;
// Two meanings on one number. The music room sets it when the score is put
// on the stand; the temple ceiling's picture shows its sign while it is
// set. No way of play leads to the temple ceiling, so the two never meet
// in a game, and saved games keep the number.
constexpr int F_SCORE_ON_STAND_CEILING_SIGN = 139;
constexpr int F_PIANO_PLAYED = 140;   // played from the score: the D is dead
constexpr int F_STEEL_KEY_SEEN = 141; // on the D's hammer
constexpr int F_STEEL_KEY_TAKEN = 142;
constexpr int F_MIRROR_PLACED = 143; // the ground-floor mirror where the broken one was
constexpr int F_GHOST_SHOWING = 144; // the lady shows in it (until Return)
constexpr int F_GHOST_GONE = 145;
constexpr int F_WALL_WRITING_FOUND = 146; // under the upper bathroom's wallpaper
constexpr int F_WALL_WRITING_READ = 147;

// ---- Basement, temple and ending ----

constexpr int F_PANEL_OPEN = 152;
constexpr int F_SMALL_DOOR_OPEN = 153; // the catalyst port
constexpr int F_ROUND_DOOR_OPEN = 154; // the fuel port
constexpr int F_CATALYST_IN = 155;     // the chicken bone put in
constexpr int F_CABLES_INSULATED = 156; // with the duck
constexpr int F_MACHINE_RUNNING = 157;
constexpr int F_BOILER_NOTES_READ = 158;
constexpr int F_HAT_TAKEN = 159;
constexpr int F_BANISHED = 161; // the master has been sent back
constexpr int F_TEMPLE_DRAINED = 162;
constexpr int F_CEILING_COLLAPSED = 163; // the car and the drums fell in
constexpr int F_GASOLINE_ABLAZE = 164;
constexpr int F_FIRE_PILLAR = 165; // the ending's stages
constexpr int F_HOUSE_BURNS = 166;
constexpr int F_THE_END = 167;

// ---- Visited flags ----

constexpr int F_VISITED_BASE = 194; // + area id: the area has been entered
