#include "agents/character_file.h"

#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tawen {

namespace {

constexpr int kLongestMotion = 10000;  // ms
constexpr int kLargestFigure = 1000;   // pixels each way

// A reason the file is not a character, in the learner's words.
struct Damage {
    QString what;
};

const char* const kChannelNames[kChannelCount] = {"rot", "x", "y", "sx", "sy", "op"};

std::optional<Channel> channelNamed(QStringView name) {
    for (int c = 0; c < kChannelCount; ++c)
        if (name == QLatin1String(kChannelNames[c])) return Channel(c);
    return std::nullopt;
}

int wholeNumber(const QXmlStreamAttributes& attributes, const char* name, int low, int high) {
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    if (!ok || value < low || value > high)
        throw Damage{QStringLiteral("“%1”的值不对").arg(QLatin1String(name))};
    return value;
}

double realNumber(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 10000)
        throw Damage{QStringLiteral("数值“%1”不对").arg(text.toString())};
    return value;
}

QPointF point(QStringView text) {
    const QList<QStringView> xy = text.split(u' ', Qt::SkipEmptyParts);
    if (xy.size() != 2) throw Damage{QStringLiteral("位置“%1”不对").arg(text.toString())};
    return {realNumber(xy[0]), realNumber(xy[1])};
}

double smoothstep(double t) { return t * t * (3 - 2 * t); }

class Reader {
  public:
    explicit Reader(const QString& text) : text_(text), xml_(text) {}

    CharacterDesign read() {
        if (!nextElement() || xml_.name() != QLatin1String("tawen-character"))
            throw Damage{QStringLiteral("不是塔文动画精灵文件")};
        if (xml_.attributes().value(QLatin1String("version")) != QLatin1String("1"))
            throw Damage{QStringLiteral("文件版本不对")};
        design_.name = xml_.attributes().value(QLatin1String("name")).toString().trimmed();
        if (design_.name.isEmpty()) throw Damage{QStringLiteral("精灵没有名字")};
        while (nextChild()) {
            if (xml_.name() == QLatin1String("figure"))
                readFigure();
            else if (xml_.name() == QLatin1String("svg"))
                readArtwork();
            else if (xml_.name() == QLatin1String("motion"))
                readMotion();
            else
                throw Damage{QStringLiteral("有不认识的内容“%1”").arg(xml_.name())};
        }
        if (xml_.hasError()) throw Damage{QStringLiteral("文件不完整或已损坏")};
        if (design_.parts.empty()) throw Damage{QStringLiteral("没有身体部件")};
        if (design_.artwork.isEmpty()) throw Damage{QStringLiteral("没有图画")};
        for (const char* own : kOwnMotions)
            if (!design_.motions.contains(QLatin1String(own)))
                throw Damage{QStringLiteral("缺少动作“%1”").arg(QLatin1String(own))};
        return std::move(design_);
    }

  private:
    // The next start element anywhere; false at the end or on a fault.
    bool nextElement() {
        while (!xml_.atEnd()) {
            if (xml_.readNext() == QXmlStreamReader::StartElement) return true;
        }
        return false;
    }

    // The next child of the current element; false when it closes.
    bool nextChild() {
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
                case QXmlStreamReader::StartElement:
                    return true;
                case QXmlStreamReader::EndElement:
                    return false;
                default:
                    break;
            }
        }
        return false;
    }

    void readFigure() {
        if (!design_.parts.empty()) throw Damage{QStringLiteral("身体部件写了两遍")};
        const QXmlStreamAttributes& a = xml_.attributes();
        design_.size = {wholeNumber(a, "width", 1, kLargestFigure),
                        wholeNumber(a, "height", 1, kLargestFigure)};
        if (a.hasAttribute(QLatin1String("origin")))
            design_.origin = point(a.value(QLatin1String("origin")));
        while (nextChild()) {
            if (xml_.name() != QLatin1String("part"))
                throw Damage{QStringLiteral("身体部件写错了")};
            const QXmlStreamAttributes& p = xml_.attributes();
            FigurePart part;
            part.id = p.value(QLatin1String("id")).toString();
            if (part.id.isEmpty() || design_.partIndex(part.id) >= 0)
                throw Damage{QStringLiteral("身体部件的名字重复或为空")};
            part.pivot = point(p.value(QLatin1String("pivot")));
            if (p.hasAttribute(QLatin1String("parent"))) {
                part.parent = design_.partIndex(p.value(QLatin1String("parent")).toString());
                if (part.parent < 0)
                    throw Damage{QStringLiteral("部件“%1”挂在不存在的部件上").arg(part.id)};
            }
            part.drawn = p.value(QLatin1String("art")) != QLatin1String("none");
            if (p.hasAttribute(QLatin1String("opacity")))
                part.restOpacity =
                    std::clamp(realNumber(p.value(QLatin1String("opacity"))), 0.0, 1.0);
            design_.parts.push_back(part);
            xml_.skipCurrentElement();
        }
    }

    void readArtwork() {
        // The reader is past the start tag; the document starts at its "<".
        const qsizetype begin = text_.lastIndexOf(QLatin1String("<svg"), xml_.characterOffset());
        xml_.skipCurrentElement();
        if (xml_.hasError()) throw Damage{QStringLiteral("图画不完整或已损坏")};
        design_.artwork = text_.mid(begin, xml_.characterOffset() - begin).toUtf8();
    }

    void readMotion() {
        if (design_.parts.empty()) throw Damage{QStringLiteral("动作写在身体部件之前")};
        const QString name = xml_.attributes().value(QLatin1String("name")).toString();
        if (name.isEmpty() || design_.motions.contains(name))
            throw Damage{QStringLiteral("动作的名字重复或为空")};
        const int duration = wholeNumber(xml_.attributes(), "duration", 100, kLongestMotion);
        std::vector<Motion::Key> keys;
        while (nextChild()) {
            if (xml_.name() != QLatin1String("key")) throw Damage{QStringLiteral("动作写错了")};
            const int at = wholeNumber(xml_.attributes(), "at", 1, duration - 1);
            if (!keys.empty() && at <= keys.back().at)
                throw Damage{QStringLiteral("动作“%1”的时间次序不对").arg(name)};
            keys.push_back({at, readPose(xml_.readElementText().simplified())});
        }
        design_.motions.emplace(name, Motion(duration, std::move(keys), design_.restPose()));
    }

    // "part.channel=value ..." over the rest pose.
    Pose readPose(const QString& text) {
        Pose pose = design_.restPose();
        for (QStringView setting : QStringView(text).split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype dot = setting.indexOf(u'.');
            const qsizetype equals = setting.indexOf(u'=');
            if (dot < 1 || equals < dot + 2)
                throw Damage{QStringLiteral("动作“%1”写错了").arg(setting.toString())};
            const int part = design_.partIndex(setting.left(dot).toString());
            const std::optional<Channel> channel =
                channelNamed(setting.mid(dot + 1, equals - dot - 1));
            if (part < 0 || !channel)
                throw Damage{QStringLiteral("动作“%1”写错了").arg(setting.toString())};
            pose[part][*channel] = realNumber(setting.mid(equals + 1));
        }
        return pose;
    }

    const QString& text_;
    QXmlStreamReader xml_;
    CharacterDesign design_;
};

}  // namespace

Motion::Motion(int duration, std::vector<Key> keys, Pose rest)
    : duration_(duration), moves_(rest.size(), false) {
    keys_.push_back({0, rest});
    for (Key& key : keys) {
        for (size_t part = 0; part < rest.size(); ++part)
            if (!(key.pose[part] == rest[part])) moves_[part] = true;
        keys_.push_back(std::move(key));
    }
    keys_.push_back({duration, std::move(rest)});
}

Pose Motion::poseAt(double ms) const {
    if (keys_.empty()) return {};
    if (ms <= 0) return keys_.front().pose;
    if (ms >= duration_) return keys_.back().pose;
    const auto after = std::upper_bound(keys_.begin(), keys_.end(), ms,
                                        [](double t, const Key& key) { return t < key.at; });
    const Key& from = *(after - 1);
    const Key& to = *after;
    const double f = smoothstep((ms - from.at) / double(to.at - from.at));
    Pose pose = from.pose;
    for (size_t part = 0; part < pose.size(); ++part)
        for (int c = 0; c < kChannelCount; ++c)
            pose[part].value[c] += (to.pose[part].value[c] - from.pose[part].value[c]) * f;
    return pose;
}

Pose CharacterDesign::restPose() const {
    Pose pose(parts.size());
    for (size_t i = 0; i < parts.size(); ++i) pose[i][Channel::Opacity] = parts[i].restOpacity;
    return pose;
}

int CharacterDesign::partIndex(const QString& id) const {
    for (size_t i = 0; i < parts.size(); ++i)
        if (parts[i].id == id) return int(i);
    return -1;
}

std::variant<CharacterDesign, QString> parseCharacter(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) return QStringLiteral("文件不是正确的文字");
    try {
        return Reader(text).read();
    } catch (const Damage& damage) {
        return damage.what;
    }
}

}  // namespace tawen
