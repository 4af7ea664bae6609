-- Unit natures: the 21 natures of the unit editor, as the settings list (tb_dep_xz) with the
-- usual post set of each nature (zwj: every title followed by ","; zwjdesc: one title per
-- line) and as the picker list of the cadre record (tb_conf group 单位性质, in ItemV order).
-- 政府班子 has no set because its titles depend on the level (省长, 市长, 县长 ...); 军队 and
-- 其他单位 have none either.
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('党委班子','书记,副书记,常委,秘书长,',
'书记
副书记
常委
秘书长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('党的纪检班子','书记,副书记,常委,委员,主任,副主任,',
'书记
副书记
常委
委员
主任
副主任');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('政府班子','','');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('人大班子','主任,副主任,秘书长,委员,',
'主任
副主任
秘书长
委员');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('政协班子','主席,副主席,秘书长,常委,',
'主席
副主席
秘书长
常委');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('法检班子','院长,副院长,检察长,副检察长,',
'院长
副院长
检察长
副检察长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('党委部门','部长,副部长,主任,副主任,局长,副局长,',
'部长
副部长
主任
副主任
局长
副局长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('党的纪检部门','主任,副主任,纪检监察组组长,纪检监察组副组长,',
'主任
副主任
纪检监察组组长
纪检监察组副组长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('政府部门','厅长,副厅长,局长,副局长,主任,副主任,',
'厅长
副厅长
局长
副局长
主任
副主任');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('人大部门','主任,副主任,',
'主任
副主任');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('政协部门','主任,副主任,',
'主任
副主任');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('法检部门','庭长,副庭长,主任,副主任,',
'庭长
副庭长
主任
副主任');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('人民团体机关','主席,副主席,书记,副书记,',
'主席
副主席
书记
副书记');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('民主党派机关','主委,副主委,',
'主委
副主委');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('其他机关','主任,副主任,',
'主任
副主任');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('事业单位','院长,副院长,主任,副主任,校长,副校长,馆长,副馆长,台长,副台长,',
'院长
副院长
主任
副主任
校长
副校长
馆长
副馆长
台长
副台长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('企业','董事长,副董事长,总经理,副总经理,',
'董事长
副董事长
总经理
副总经理');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('社会团体','会长,副会长,秘书长,',
'会长
副会长
秘书长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('军队','','');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('宗教团体','会长,副会长,',
'会长
副会长');
insert into tb_dep_xz (xz,zwj,zwjdesc) values ('其他单位','','');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','党委班子','01');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','党的纪检班子','02');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','政府班子','03');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','人大班子','04');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','政协班子','05');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','法检班子','06');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','党委部门','07');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','党的纪检部门','08');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','政府部门','09');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','人大部门','10');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','政协部门','11');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','法检部门','12');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','人民团体机关','13');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','民主党派机关','14');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','其他机关','15');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','事业单位','16');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','企业','17');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','社会团体','18');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','军队','19');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','宗教团体','20');
insert into tb_conf (GID,ItemID,ItemV) values ('单位性质','其他单位','21');
