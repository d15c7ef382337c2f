// What runs on every keystroke in a value field, and the full recomputation. Each
// operation reads the edited field, computes, and writes the fields whose values it
// changed; the field being typed in is never rewritten.
#ifndef VIDOMAT_ENGINE_LIVE_RECALCULATION_H
#define VIDOMAT_ENGINE_LIVE_RECALCULATION_H

// compute_result_size, then write field 171.
void show_result_size();
// The video rate from the stored values (nothing while length_seconds is 0).
void recompute_video_rate();
// Max. data amount, audio rate, video rate and result shown anew.
void recompute_all();

void apply_audio_entry();
void apply_video_entry();
void apply_max_size_entry();
void apply_reserve_entry();

#endif
