# The tests of the Windows build, run under wine (the toolchain's emulator)
# by scripts/test-windows: everything that does not need Linux's own
# programs (JACK, xvfb-run and xdotool inside a test, SOIL for comparison).
# The GL tests draw through the Windows headless context, a WGL pbuffer made
# through a hidden window, so CTest itself runs on a virtual X server.
# Same sources as on Linux.
set(T ${CMAKE_CURRENT_SOURCE_DIR})

zentrafel_test(track_test SOURCES ${T}/anim/track_test.cpp LIBS zf_anim)
zentrafel_test(scenes_logic_test
  SOURCES ${T}/scenes/music_levels_test.cpp ${T}/scenes/sections_test.cpp
    ${T}/scenes/rand15_test.cpp ${T}/scenes/scene_data_test.cpp
  LIBS zf_scenes)
zentrafel_test(audio_music_calls_test
  SOURCES ${T}/audio/music_calls_test.cpp ${T}/audio/fake_bass.cpp
    ${PROJECT_SOURCE_DIR}/audio/music.cpp)
zentrafel_test(bass_parts_test
  SOURCES ${T}/bass/bass_clock_test.cpp ${T}/bass/bass_signal_test.cpp
  LIBS zf_bass)
zentrafel_test(line_output_test SOURCES ${T}/platform/line_output_test.cpp LIBS zf_platform)
zentrafel_test(png_check_test SOURCES ${T}/gfx/png_check_test.cpp LIBS zf_gfx)
zentrafel_test(render_options_test
  SOURCES ${T}/render/render_options_test.cpp ${T}/render/frame_times_test.cpp
  LIBS zf_render)

# Drawing, through the hidden window's context on wine's GL (the render
# target's own test returns to framebuffer 0 by design, so it stays on Linux).
foreach(name shader texture particle_system)
  zentrafel_test(${name}_test SOURCES ${T}/gfx/${name}_test.cpp LIBS zf_gfx zf_test_gl)
endforeach()
zentrafel_test(scene_frames_test
  SOURCES ${T}/scenes/production_frames.cpp ${T}/scenes/schedule_test.cpp
    ${T}/scenes/renderer_state_test.cpp ${T}/scenes/wave_grid_test.cpp
    ${T}/scenes/greeting_strip_test.cpp ${T}/scenes/fade_test.cpp
  LIBS zf_app zf_test_gl)
