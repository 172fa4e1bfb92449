#include "Game/Controller/GameApp.h"

#include <iostream>

int main(int, char**)
{
    return Game::runGame(std::cerr);
}
