// The Web Audio side of the web build's output, in JavaScript
// (bass_web_audio.js, linked with --js-library): the AudioContext, the
// buffers each voice has scheduled on it, and its clock. Times are the
// context's, in seconds. Called on the one thread the web build has.
#pragma once

extern "C" {
// Takes the page's AudioContext (Module.audioContext), or makes one at `rate`
// and hands it to the page there, so that a click can resume it. Returns the
// context's frames per second, or 0 where there is no Web Audio.
double WebAudioOpen(double rate);
// Asks a suspended context to run; it does once the page has had a click.
void WebAudioResume();
// The context's time: how far it has rendered.
double WebAudioTime();
// The context time being heard now: where the context runs, its latest
// output timestamp moved on by the performance clock since (never past the
// context's time); where it does not (suspended: no click yet), its frozen
// time less the output latency.
double WebAudioHeardTime();
// Plays `frames` frames on voice `voice` from context time `when`: the left
// channel at `data`, the right one at `data + stride`.
void WebAudioSchedule(int voice, const float* data, int frames, int stride, double when);
// Stops and forgets every buffer the voice has scheduled.
void WebAudioCancel(int voice);
}
