# Every dependency comes from a Debian package; nothing is downloaded.
find_package(SDL2 REQUIRED)
# Debian's libsdl2-mixer-dev ships a CMake config: SDL2_mixer::SDL2_mixer.
find_package(SDL2_mixer REQUIRED)
find_package(GLEW REQUIRED)
find_package(OpenGL REQUIRED)
find_package(Bullet REQUIRED)
find_package(glm REQUIRED)
find_package(Freetype REQUIRED)
find_package(Threads REQUIRED)

find_path(FREEIMAGE_INCLUDE_DIR FreeImage.h REQUIRED)
find_library(FREEIMAGE_LIBRARY freeimage REQUIRED)
add_library(FreeImage::FreeImage UNKNOWN IMPORTED)
set_target_properties(FreeImage::FreeImage PROPERTIES
  IMPORTED_LOCATION ${FREEIMAGE_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${FREEIMAGE_INCLUDE_DIR})

# Debian's default Bullet libraries are single precision; never define
# BT_USE_DOUBLE_PRECISION or mix in the -float64 variants.
add_library(Bullet::Bullet INTERFACE IMPORTED)
set_target_properties(Bullet::Bullet PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${BULLET_INCLUDE_DIRS}"
  INTERFACE_LINK_LIBRARIES "${BULLET_LIBRARIES}")

if(TARGET SDL2::SDL2)
  set(GAME_SDL2_TARGET SDL2::SDL2)
else()
  add_library(GameSDL2 INTERFACE)
  target_include_directories(GameSDL2 INTERFACE ${SDL2_INCLUDE_DIRS})
  target_link_libraries(GameSDL2 INTERFACE ${SDL2_LIBRARIES})
  set(GAME_SDL2_TARGET GameSDL2)
endif()

if(GAME_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(GAME_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
