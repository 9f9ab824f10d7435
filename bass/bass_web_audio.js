// The Web Audio side of the web build's output: the C declarations and what
// each function does are in bass_web_audio.h. Each voice keeps the buffer
// sources it has scheduled, so that a command can stop them.
mergeInto(LibraryManager.library, {
  $webAudio: {context: null, voices: []},

  WebAudioOpen__deps: ['$webAudio'],
  WebAudioOpen: function(rate) {
    var Context = typeof AudioContext !== 'undefined' ? AudioContext :
        typeof webkitAudioContext !== 'undefined' ? webkitAudioContext : null;
    var context = Module['audioContext'] || null;
    if (!context && Context) {
      try {
        context = new Context({sampleRate: rate});
      } catch (e) {
        context = new Context(); // a browser that will not run at that rate
      }
      Module['audioContext'] = context;
    }
    webAudio.context = context;
    return context ? context.sampleRate : 0;
  },

  WebAudioResume__deps: ['$webAudio'],
  WebAudioResume: function() {
    if (webAudio.context.state === 'suspended')
      webAudio.context.resume().catch(function() {});
  },

  WebAudioTime__deps: ['$webAudio'],
  WebAudioTime: function() {
    return webAudio.context.currentTime;
  },

  WebAudioHeardTime__deps: ['$webAudio'],
  WebAudioHeardTime: function() {
    var context = webAudio.context;
    if (context.state === 'running' && context.getOutputTimestamp) {
      var stamp = context.getOutputTimestamp();
      // Never later than what the context has rendered: a stamp from before
      // a suspension moves on by the time it was suspended.
      if (stamp.performanceTime > 0)
        return Math.min(stamp.contextTime + (performance.now() - stamp.performanceTime) / 1000,
                        context.currentTime);
    }
    return context.currentTime - (context.outputLatency || context.baseLatency || 0);
  },

  WebAudioSchedule__deps: ['$webAudio'],
  WebAudioSchedule: function(voice, data, frames, stride, when) {
    var context = webAudio.context;
    var buffer = context.createBuffer(2, frames, context.sampleRate);
    var first = data >> 2;
    buffer.copyToChannel(HEAPF32.subarray(first, first + frames), 0);
    buffer.copyToChannel(HEAPF32.subarray(first + stride, first + stride + frames), 1);
    var source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(context.destination);
    var sources = webAudio.voices[voice] || (webAudio.voices[voice] = []);
    sources.push(source);
    source.onended = function() {
      sources.splice(sources.indexOf(source), 1);
    };
    source.start(when);
  },

  WebAudioCancel__deps: ['$webAudio'],
  WebAudioCancel: function(voice) {
    var sources = webAudio.voices[voice] || [];
    sources.forEach(function(source) {
      source.onended = null;
      source.stop();
      source.disconnect();
    });
    sources.length = 0;
  },
});
