// The main window, the message loop and the process-wide flags they share with Game.
#pragma once

#include <string>

#include "platform/Window.h"

// The one window of the game (read by the renderer, input and text).
extern plat::WindowHandle g_mainWindow;
// Frames run only while set: the window has focus and the game runs.
extern bool g_appActive;
// Set once Game::Init has succeeded; focus-return work waits for it.
extern bool g_appInitialised;
// Set by Game::Quit. Kept apart from the focus flag so that losing focus in the middle of a
// frame (an alt-tab while a box is open) never ends the game.
extern bool g_quitRequested;

// Ends the message loop after the current turn with this exit code.
void PostQuitMessage(int exitCode);
bool IsQuitPosted();
int GetQuitExitCode();
// Back to the state before start-up (tests run several start-ups in one process).
void ResetAppFlags();

// The window, titled and iconed, or null with a box saying why.
plat::WindowHandle CreateMainWindow(const std::string& title, const std::string& iconFile);

// Handles one event of the queue: window events at once, input into the input buffers.
void MainWndProc(const plat::Event& event);

// The program: window, start-up, the message loop; returns the exit code.
int GameMain();

// One turn of the loop: one event if one waits, else a frame (or a 1 ms sleep when inactive).
// False once the quit message has been posted.
bool RunMessageLoopTurn();
