#pragma once

class ReportTable;

// The Mandarin voice: how long synthesising a question takes against how
// long it speaks, and how soon after 开始 in 听心算 its first samples reach an
// audio output (a stand-in that pulls them as QAudioSink does: the bench has
// no sound server).
namespace SpeechBench {
void Run(ReportTable& table);
}
