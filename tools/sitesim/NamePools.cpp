#include "NamePools.h"

#include <array>

namespace sitesim::pools {
namespace {

constexpr std::array<std::string_view, 40> surnameList = {
    "张", "王", "李", "赵", "刘", "陈", "杨", "黄", "周", "吴", "徐", "孙", "胡", "朱",
    "高", "林", "何", "郭", "马", "罗", "梁", "宋", "郑", "谢", "韩", "唐", "冯", "于",
    "董", "萧", "程", "曹", "袁", "邓", "许", "傅", "沈", "曾", "彭", "吕"};

constexpr std::array<std::string_view, 8> compoundSurnameList = {"欧阳", "司马", "诸葛", "上官",
                                                                 "慕容", "令狐", "皇甫", "东方"};

constexpr std::array<std::string_view, 48> givenCharList = {
    "伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟", "涛", "明",
    "超", "秀", "霞", "平", "刚", "桂", "英", "华", "玉", "萍", "红", "鹏", "辉", "晨", "宇", "浩",
    "然", "梓", "涵", "欣", "怡", "子", "轩", "博", "文", "思", "雨", "嘉", "佳", "琪", "鹿", "晓"};

constexpr std::array<std::string_view, 16> rareCharList = {
    "喆", "堃", "赟", "玥", "珺", "翀", "彧", "昇", "琤", "旻", "镕", "犇", "頔", "祎", "燚", "垚"};

// U+20BB7, U+2A6A5, U+2000B, U+29E3D, U+2123D, U+1F338
constexpr std::array<std::string_view, 6> supplementaryList = {"𠮷", "𪚥", "𠀋", "𩸽", "𡈽", "🌸"};

constexpr std::array<std::string_view, 12> latinNameList = {"Tony",  "Lily",  "Amy",  "Kevin",
                                                            "Bella", "David", "Coco", "Eric",
                                                            "Fiona", "Jack",  "Max",  "Ada"};

constexpr std::array<std::string_view, 6> accentedNameList = {"Muñoz", "Zoë",   "Björn",
                                                              "Núñez", "Jöran", "Noël"};

constexpr std::array<std::string_view, 12> schoolList = {
    "清华大学", "北京大学", "复旦大学", "浙江大学", "南京大学", "武汉大学",
    "中山大学", "四川大学", "厦门大学", "吉林大学", "人民大学", ""};

constexpr std::array<std::string_view, 6> groupList = {"同学", "同事", "家人",
                                                       "朋友", "校友", "驴友"};

constexpr std::array<std::string_view, 16> hostileNameList = {
    "王,小明",
    "李\"大\"钊",
    "<script>alert(1)</script>赵",
    "钱 & 孙 &amp; 李",
    "{周}吴",
    "' onmouseover='x' 郑",
    "冯\\陈",
    "褚/卫</td>",
    "name:蒋",
    "韩, 杨",
    "\\u5f20三",
    "朱\"><img src=x onerror=alert(1)>",
    "秦\t尤\n许",
    "",
    "吕'; DROP TABLE friends;--",
    "长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长名"};

// Appended to the avatar address; every one still names the same picture.
constexpr std::array<std::string_view, 3> hostileQueryList = {"?size=50,50", "?t=a'b&c={x}",
                                                              "?x=<i>&y=1,2{3&amp;z='"};

} // namespace

std::span<const std::string_view> surnames()
{
    return surnameList;
}
std::span<const std::string_view> compoundSurnames()
{
    return compoundSurnameList;
}
std::span<const std::string_view> givenChars()
{
    return givenCharList;
}
std::span<const std::string_view> rareChars()
{
    return rareCharList;
}
std::span<const std::string_view> supplementaryChars()
{
    return supplementaryList;
}
std::span<const std::string_view> latinNames()
{
    return latinNameList;
}
std::span<const std::string_view> accentedNames()
{
    return accentedNameList;
}
std::span<const std::string_view> schools()
{
    return schoolList;
}
std::span<const std::string_view> groups()
{
    return groupList;
}
std::span<const std::string_view> hostileNames()
{
    return hostileNameList;
}
std::span<const std::string_view> hostileQueries()
{
    return hostileQueryList;
}

} // namespace sitesim::pools
