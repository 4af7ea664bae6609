#include "generate/Vocabulary.h"

namespace synth {

namespace {

QStringList words(const char16_t* text) {
    return QString::fromUtf16(text).split(u' ', Qt::SkipEmptyParts);
}

// Rows of "name,short name,head" separated by blanks.
std::vector<UnitKind> unitKinds(const char16_t* text) {
    std::vector<UnitKind> kinds;
    for (const QString& row : words(text)) {
        const QStringList parts = row.split(u',');
        kinds.push_back({parts.value(0), parts.value(1), parts.value(2)});
    }
    return kinds;
}

std::vector<Place> places(const char16_t* text) {
    std::vector<Place> result;
    for (const QString& row : words(text)) {
        const QStringList parts = row.split(u',');
        result.push_back({parts.value(0), parts.value(1), parts.value(2)});
    }
    return result;
}

std::vector<Major> majors(const char16_t* text) {
    std::vector<Major> result;
    for (const QString& row : words(text)) {
        const QStringList parts = row.split(u',');
        result.push_back({parts.value(0), parts.value(1)});
    }
    return result;
}

Vocabulary makeVocabulary() {
    Vocabulary v;
    // Ordered roughly by frequency: the generator favours the front of the list.
    v.surnames = words(
        u"王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 韩 冯 "
        u"邓 彭 肖 田 董 袁 潘 于 蒋 蔡 余 杜 叶 程 苏 魏 吕 丁 任 沈 姚 卢 姜 崔 钟 谭 陆 汪 "
        u"范 金 石 廖 贾 夏 韦 付 方 白 邹 孟 熊 秦 邱 江 尹 薛 闫 段 雷 侯 龙 史 陶 黎 贺 顾 "
        u"毛 郝 龚 邵 万 钱 严 武 戴 莫 孔 向 汤");
    v.maleGivenNames = words(
        u"伟 强 磊 军 勇 杰 涛 斌 超 明 刚 平 辉 鹏 飞 鑫 波 宁 建 国 林 峰 海 东 文 志 新 云 "
        u"亮 宇 浩 俊 晨 凯 鸿 德 振 庆 永 兵 春 成 江 坤 荣 立 卫 忠 洪 光 华 生 祥 福 彬 松 "
        u"翔 晓 锋 旭 威");
    v.femaleGivenNames = words(
        u"芳 娜 敏 静 丽 艳 娟 霞 燕 玲 婷 慧 红 萍 雪 琳 洁 梅 莉 倩 颖 琴 蓉 佳 欣 月 晶 莹 "
        u"丹 璐 秀 英 兰 凤 珍 瑶 怡 悦 楠 彤 蕾 薇 晓 文 春 华");
    v.regions = words(
        u"东城 西城 南湖 北山 清河 平安 长宁 新华 永安 金川 白云 青山 红旗 龙泉 凤凰 天河 "
        u"海陵 江宁 高新 开元 明德 华阳 安平 临江 宝山 和平 兴隆 秀水 梅林 柳河 桃源 松江 "
        u"石门 丰台 泰和 云溪 望城 东湖 西林 南峰");
    v.bureaus = unitKinds(
        u"发展和改革局,发改局,局长 教育局,教育局,局长 公安局,公安局,局长 民政局,民政局,局长 "
        u"司法局,司法局,局长 财政局,财政局,局长 人力资源和社会保障局,人社局,局长 "
        u"自然资源局,资源局,局长 生态环境局,环境局,局长 住房和城乡建设局,住建局,局长 "
        u"交通运输局,交通局,局长 水利局,水利局,局长 农业农村局,农业局,局长 商务局,商务局,局长 "
        u"文化和旅游局,文旅局,局长 卫生健康委员会,卫健委,主任 退役军人事务局,退役军人局,局长 "
        u"应急管理局,应急局,局长 审计局,审计局,局长 市场监督管理局,市场监管局,局长 "
        u"统计局,统计局,局长 医疗保障局,医保局,局长 城市管理局,城管局,局长 "
        u"行政审批局,审批局,局长 科学技术局,科技局,局长 工业和信息化局,工信局,局长 "
        u"体育局,体育局,局长 信访局,信访局,局长 机关事务管理局,机关事务局,局长 "
        u"政府办公室,政府办,主任 供销合作社,供销社,主任");
    v.sections = unitKinds(
        u"办公室,办公室,主任 人事科,人事科,科长 财务科,财务科,科长 政策法规科,法规科,科长 "
        u"综合科,综合科,科长 规划科,规划科,科长 监督科,监督科,科长 宣传科,宣传科,科长 "
        u"审批科,审批科,科长 安全科,安全科,科长 信息中心,信息中心,主任 "
        u"执法大队,执法大队,大队长 服务中心,服务中心,主任 督查科,督查科,科长 "
        u"计划科,计划科,科长 统计科,统计科,科长 法制科,法制科,科长 组织科,组织科,科长 "
        u"纪检监察室,纪检监察室,主任 档案馆,档案馆,馆长");
    v.teams = unitKinds(
        u"综合股,综合股,股长 业务股,业务股,股长 信息股,信息股,股长 培训股,培训股,股长 "
        u"监测站,监测站,站长 服务站,服务站,站长 管理所,管理所,所长 稽查中队,稽查中队,中队长 "
        u"技术组,技术组,组长 档案室,档案室,主任 后勤组,后勤组,组长 法规股,法规股,股长");
    v.rankNames = words(u"县处级正职 县处级副职 乡科级正职 乡科级副职 科员级 办事员级");
    v.minorities = words(u"回族 满族 蒙古族 壮族 土家族 苗族 朝鲜族 畲族 彝族 藏族");
    v.minorParties = words(u"民盟 民建 民进 农工党 致公党 九三 民革 无党派");
    v.places = places(
        u"江苏,南京,320102 江苏,苏州,320505 江苏,扬州,321002 浙江,杭州,330102 "
        u"浙江,宁波,330203 山东,济南,370102 山东,临沂,371302 河南,郑州,410102 "
        u"河南,洛阳,410302 湖北,武汉,420102 湖南,长沙,430102 安徽,合肥,340102 "
        u"安徽,安庆,340802 四川,成都,510104 河北,石家庄,130102 福建,福州,350102 "
        u"江西,南昌,360102 广东,广州,440103 山西,太原,140105 陕西,西安,610102 "
        u"辽宁,沈阳,210102 吉林,长春,220102 黑龙江,哈尔滨,230102 云南,昆明,530102 "
        u"贵州,贵阳,520102 甘肃,兰州,620102 广西,桂林,450302");
    v.universities = words(
        u"南京大学 浙江大学 山东大学 武汉大学 中山大学 四川大学 吉林大学 厦门大学 湖南大学 "
        u"郑州大学 河海大学 苏州大学 南京师范大学 华中师范大学 西北大学 兰州大学 安徽大学 "
        u"南昌大学 云南大学 中国人民大学 北京师范大学 复旦大学 同济大学 东南大学 扬州大学 "
        u"江南大学");
    v.majors = majors(
        u"汉语言文学,文学 法学,法学 经济学,经济学 行政管理,管理学 会计学,管理学 "
        u"计算机科学与技术,工学 土木工程,工学 农学,农学 历史学,历史学 思想政治教育,法学 "
        u"工商管理,管理学 财政学,经济学 新闻学,文学 数学与应用数学,理学 英语,文学 "
        u"社会学,法学 环境工程,工学 临床医学,医学 机械设计制造及其自动化,工学 "
        u"公共事业管理,管理学");
    v.employers = words(
        u"市第一中学教师 区人民医院医生 区实验小学教师 市电力公司职工 区税务局干部 "
        u"县农村商业银行职员 市自来水公司职工 区图书馆馆员 市中心医院护士 个体经营 自由职业 "
        u"市建筑设计院工程师 区疾病预防控制中心医师 市邮政公司职工 区人民法院干部 "
        u"市供电公司工程师");
    v.rewardKinds = words(u"嘉奖 记三等功 记二等功 通报表扬 优秀共产党员 先进工作者 优秀公务员");
    v.rewardBodies = words(u"区委 区人民政府 市委 市人民政府 市人力资源和社会保障局 区委组织部");
    return v;
}

}  // namespace

const Vocabulary& vocabulary() {
    static const Vocabulary v = makeVocabulary();
    return v;
}

}  // namespace synth
