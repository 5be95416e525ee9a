#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QPointF>
#include <QSize>
#include <QString>

#include <map>
#include <variant>
#include <vector>

// Our character files. One file is one character: its name, its artwork and
// its motions, as UTF-8 XML:
//
//   <tawen-character version="1" name="Bao">
//     <figure width="240" height="256" origin="20 16">
//       <part id="root" pivot="100 228" art="none"/>
//       <part id="body" pivot="100 200" parent="root"/>
//       <part id="wand" pivot="150 178" parent="armR" opacity="0"/>
//       ...
//     </figure>
//     <svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 240"> ... </svg>
//     <motion name="Wave" duration="2000">
//       <key at="400">armL.rot=160 armR.rot=-160 root.y=-6</key>
//       ...
//     </motion>
//   </tawen-character>
//
// The figure's window is width by height pixels, and the artwork's own
// coordinates start at `origin` in it (room around the figure for props and
// raised arms). The figure is a tree of parts, drawn in the order listed, the
// first at the back. Each part is the group of the SVG artwork with the same id (or a bare
// joint, art="none") and turns and scales about its pivot, in the figure's
// pixels, carried along by its parent. The artwork is drawn as it stands in
// the rest pose, where every part sits still at full opacity unless its
// `opacity` says otherwise (props in the hand, say, hidden until a motion
// shows them).
//
// A motion lasts `duration` milliseconds and starts and ends in the rest
// pose; each key, strictly inside, is a pose at `at` ms: part.channel=value
// pairs, the channels rot (degrees, clockwise), x and y (pixels), sx and sy
// (scale) and op (opacity); a channel a key leaves out is at rest. Between
// keys the figure moves smoothly. Besides the animations a window asks for
// by name, a character has "Idle" (played in a loop while it has nothing to
// do), "Talk" (the mouth while it speaks, laid over Idle) and "PointLeft" and
// "PointRight" (for GestureAt).
namespace tawen {

enum class Channel { Rot, X, Y, ScaleX, ScaleY, Opacity };
inline constexpr int kChannelCount = 6;

struct PartState {
    double value[kChannelCount] = {0, 0, 0, 1, 1, 1};
    double operator[](Channel c) const { return value[int(c)]; }
    double& operator[](Channel c) { return value[int(c)]; }
    bool operator==(const PartState&) const = default;
};

// One state per part of the figure, in the figure's order.
using Pose = std::vector<PartState>;

struct FigurePart {
    QString id;
    QPointF pivot;
    int parent = -1;  // index of an earlier part, or -1
    bool drawn = true;
    double restOpacity = 1;
};

class Motion {
  public:
    struct Key {
        int at;
        Pose pose;
    };

    Motion() = default;
    Motion(int duration, std::vector<Key> keys, Pose rest);

    int duration() const { return duration_; }
    // The pose at `ms` from the start, held at rest outside the motion.
    Pose poseAt(double ms) const;
    // The parts some key moves away from rest.
    const std::vector<bool>& moves() const { return moves_; }

  private:
    int duration_ = 0;
    std::vector<Key> keys_;  // rest at both ends, in time order
    std::vector<bool> moves_;
};

struct CharacterDesign {
    QString name;
    QSize size;
    QPointF origin;  // where the artwork's (0, 0) lies in the window
    std::vector<FigurePart> parts;
    QByteArray artwork;  // the SVG document
    std::map<QString, Motion> motions;

    Pose restPose() const;
    int partIndex(const QString& id) const;  // -1 when there is none
};

// The motions every character must have besides those the windows ask for.
inline const char* const kOwnMotions[] = {"Idle", "Talk", "PointLeft", "PointRight"};
// The animation names the windows play.
inline const char* const kAnimationNames[] = {
    "Congratulate",  "greet",     "Wave",    "wave",        "domagic2", "acknowledge",  "LookLeft",
    "Lookright",     "announce",  "idle2_2", "writing",     "process",  "explain",      "decline",
    "dontrecognize", "gestureup", "pleased", "gesturedown", "Think",    "readcontinued"};

// The character in `bytes`, or why it is not one (in Chinese, for the learner).
std::variant<CharacterDesign, QString> parseCharacter(QByteArrayView bytes);

}  // namespace tawen
