# The tests of the Windows build, run under wine (the toolchain's emulator)
# by scripts/test-windows: everything that does not need Linux's own
# programs (JACK, xvfb-run and xdotool inside a test, the SOIL comparison).
# The GL tests draw through the Windows headless context, a hidden window,
# so CTest itself runs on a virtual X server. Same sources as on Linux.
set(T ${CMAKE_CURRENT_SOURCE_DIR})

zentrafel_test(track_test SOURCES ${T}/anim/track_test.cpp LIBS zf_anim)
zentrafel_test(timeline_test
  SOURCES ${PROJECT_SOURCE_DIR}/app/timeline.cpp ${T}/timeline/recording_renderers.cpp
    ${T}/timeline/dispatch_test.cpp ${T}/timeline/schedule_test.cpp
  LIBS zf_anim)
zentrafel_test(rand15_test
  SOURCES ${PROJECT_SOURCE_DIR}/scenes/scene_data.cpp ${T}/scene_data/rand15_test.cpp)
zentrafel_test(scene_data_test
  SOURCES ${PROJECT_SOURCE_DIR}/scenes/scene_data.cpp ${T}/scene_data/scene_data_test.cpp)
zentrafel_test(music_levels_test SOURCES ${T}/scenes/music_levels_test.cpp LIBS zf_scenes)

zentrafel_test(audio_music_calls_test
  SOURCES ${T}/audio/music_calls_test.cpp ${T}/audio/fake_bass.cpp
    ${PROJECT_SOURCE_DIR}/audio/music.cpp)
zentrafel_test(audio_bass_parts_test
  SOURCES ${T}/audio/bass_clock_test.cpp ${T}/audio/bass_signal_test.cpp
  LIBS zf_bass)

zentrafel_test(png_check_test SOURCES ${T}/gfx/png_check_test.cpp LIBS zf_gfx)
zentrafel_test(render_options_test
  SOURCES ${T}/render/render_options_test.cpp ${T}/render/frame_times_test.cpp
  LIBS zf_render)

# Drawing, through a hidden window's context on wine's GL.
add_library(zf_gfx_test_support STATIC ${T}/gfx/gl_test.cpp ${T}/gfx/png_files.cpp)
target_include_directories(zf_gfx_test_support PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zf_gfx_test_support PUBLIC zf_platform GTest::gtest PRIVATE stb)
zentrafel_warnings(zf_gfx_test_support)
foreach(name shader render_target texture particle_system)
  zentrafel_test(${name}_test SOURCES ${T}/gfx/${name}_test.cpp LIBS zf_gfx zf_gfx_test_support)
endforeach()
