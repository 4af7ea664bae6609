-- A sample organisation to try the program with: a city's leading bodies and departments,
-- 60 cadres with their posts, memberships, families, resumes, assessments and rewards.
-- All names and facts are invented.
update tb_general set name='某市委组织部', City='某市';
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (1,0,'中共某市委员会','市委','ZGMSWYH','SW',1,0,'001',True,0,'党委班子');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (2,0,'某市人大常委会','市人大','MSRDCWH','SRD',2,0,'002',True,0,'人大班子');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (3,0,'某市人民政府','市政府','MSRMZF','SZF',3,0,'003',True,0,'政府班子');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (4,0,'政协某市委员会','市政协','ZXMSWYH','SZX',4,0,'004',True,0,'政协班子');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (5,0,'中共某市纪律检查委员会','市纪委','ZGMSJLJCWYH','SJW',5,0,'005',True,0,'党的纪检班子');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (6,0,'群团组织','','QTZZ','',6,0,'006',False,0,'人民团体机关');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (7,1,'中共某市委办公室','市委办','ZGMSWBGS','SWB',1,1,'00101',True,0,'党委部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (8,1,'中共某市委组织部','组织部','ZGMSWZZB','ZZB',2,1,'00102',True,0,'党委部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (9,1,'中共某市委宣传部','宣传部','ZGMSWXCB','XCB',3,1,'00103',True,0,'党委部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (10,1,'中共某市委统战部','统战部','ZGMSWTZB','TZB',4,1,'00104',True,0,'党委部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (11,3,'某市人民政府办公室','政府办','MSRMZFBGS','ZFB',1,1,'00301',True,0,'政府部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (12,3,'某市发展和改革委员会','发改委','MSFZHGGWYH','FGW',2,1,'00302',True,0,'政府部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (13,3,'某市教育局','教育局','MSJYJ','JYJ',3,1,'00303',True,0,'政府部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (14,3,'某市财政局','财政局','MSCZJ','CZJ',4,1,'00304',True,0,'政府部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (15,3,'某市人力资源和社会保障局','人社局','MSRLZYHSHBZJ','RSJ',5,1,'00305',True,0,'政府部门');
insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,dwIndex,isDep,status,dwxz) values (16,6,'共青团某市委员会','团市委','GQTMSWYH','TSW',1,1,'00601',True,0,'人民团体机关');
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (1,1,0,'刘  成','LC','男',#1968-01-19#,'1968.01','汉族','安徽合肥','山东济南','中共党员',#1989-07-01#,'1989.07',#1990-07-01#,'1990.07','厅局级正职',#2018-05-01#,'2018.05','中共某市委员会书记','2018.05','中共某市委员会书记','大学','学士','某某财经大学会计学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1986.09-1990.07 某某财经大学会计学专业学习
1990.07-2004.09 中共某县委员会科长
2004.09-2008.11 某市教育局副主任
2008.11-2018.05 某市财政局主任
2018.05-        中共某市委员会书记','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (2,2,0,'何  国','HG','男',#1971-12-17#,'1971.12','汉族','湖北武汉','浙江杭州','中共党员',#1991-07-01#,'1991.07',#1993-07-01#,'1993.07','厅局级副职',#2022-05-01#,'2022.05','中共某市委员会副书记，某市人民政府市长','2022.05','中共某市委员会副书记，某市人民政府市长','大学','学士','某某理工大学机械工程专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1989.09-1993.07 某某理工大学机械工程专业学习
1993.07-1994.06 某市人力资源和社会保障局科长
1994.06-2022.05 中共某市纪律检查委员会副主任
2022.05-        中共某市委员会副书记，某市人民政府市长','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (3,3,0,'宋  娟','SJ','男',#1968-01-14#,'1968.01','汉族','山东临沂','山东济南','中共党员',#1988-07-01#,'1988.07',#1990-07-01#,'1990.07','厅局级副职',#2021-09-01#,'2021.09','中共某市委员会副书记','2021.09','中共某市委员会副书记','大学','学士','某某财经大学会计学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1986.09-1990.07 某某财经大学会计学专业学习
1990.07-2021.09 某市财政局副主任
2021.09-        中共某市委员会副书记','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (4,4,0,'萧  栋','XD','男',#1969-03-20#,'1969.03','汉族','江苏徐州','湖北武汉','中共党员',#1988-07-01#,'1988.07',#1991-07-01#,'1991.07','厅局级副职',#2017-06-01#,'2017.06','中共某市委员会常委，中共某市纪律检查委员会书记','2017.06','中共某市委员会常委，中共某市纪律检查委员会书记','大学','学士','某某政法大学法学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1987.09-1991.07 某某政法大学法学专业学习
1991.07-2005.08 某市财政局科长
2005.08-2017.06 中共某市纪律检查委员会副主任
2017.06-        中共某市委员会常委，中共某市纪律检查委员会书记','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (5,5,0,'赵伟峰','ZWF','男',#1969-10-06#,'1969.10','汉族','河南郑州','浙江杭州','中共党员',#1990-07-01#,'1990.07',#1991-07-01#,'1991.07','厅局级副职',#2024-04-01#,'2024.04','中共某市委员会常委，中共某市委组织部部长','2024.04','中共某市委员会常委，中共某市委组织部部长','大学','学士','某某师范大学历史系历史学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1987.09-1991.07 某某师范大学历史系历史学专业学习
1991.07-1992.09 某市财政局副科长
1992.09-2016.03 共青团某市委员会科长
2016.03-2024.04 中共某市委组织部副主任
2024.04-        中共某市委员会常委，中共某市委组织部部长','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (6,6,0,'郭  涛','GT','男',#1968-11-21#,'1968.11','汉族','浙江杭州','湖北武汉','中共党员',#1987-07-01#,'1987.07',#1990-07-01#,'1990.07','厅局级副职',#2024-02-01#,'2024.02','中共某市委员会常委，中共某市委宣传部部长','2024.02','中共某市委员会常委，中共某市委宣传部部长','大学','学士','某某理工大学机械工程专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1986.09-1990.07 某某理工大学机械工程专业学习
1990.07-1997.07 某区人民政府科长
1997.07-2024.02 某区人民政府副主任
2024.02-        中共某市委员会常委，中共某市委宣传部部长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (7,7,0,'唐涛安','TTA','男',#1967-01-12#,'1967.01','汉族','江苏徐州','湖北武汉','中共党员',#1987-07-01#,'1987.07',#1989-07-01#,'1989.07','厅局级副职',#2023-12-01#,'2023.12','中共某市委员会常委，中共某市委统战部部长','2023.12','中共某市委员会常委，中共某市委统战部部长','大学','学士','某某大学中文系汉语言文学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1985.09-1989.07 某某大学中文系汉语言文学专业学习
1989.07-2023.12 某县人民政府副主任
2023.12-        中共某市委员会常委，中共某市委统战部部长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (8,8,0,'宋金明','SJM','男',#1968-06-14#,'1968.06','汉族','山东临沂','河南郑州','中共党员',#1989-07-01#,'1989.07',#1990-07-01#,'1990.07','厅局级正职',#2017-01-01#,'2017.01','某市人大常委会主任','2017.01','某市人大常委会主任','大学','学士','某某财经大学会计学专业',NULL,NULL,NULL,'大学','学士','某某财经大学会计学专业',1,'公务员','健康','1986.09-1990.07 某某财经大学会计学专业学习
1990.07-1995.01 某县人民政府科长
1995.01-1997.05 某市人民政府副主任
1997.05-2017.01 中共某县委员会主任
2017.01-        某市人大常委会主任','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (9,9,0,'梁  艳','LY','男',#1971-07-19#,'1971.07','汉族','湖北武汉','安徽合肥','中共党员',#1992-07-01#,'1992.07',#1993-07-01#,'1993.07','厅局级副职',#2018-12-01#,'2018.12','某市人大常委会副主任','2018.12','某市人大常委会副主任','大学','学士','某某大学中文系汉语言文学专业',NULL,NULL,NULL,'大学','学士','某某大学中文系汉语言文学专业',1,'公务员','健康','1989.09-1993.07 某某大学中文系汉语言文学专业学习
1993.07-1999.07 某县人民政府副科长
1999.07-2011.08 某市教育局科长
2011.08-2018.12 某市人民政府副主任
2018.12-        某市人大常委会副主任','2021年度考核称职，2022年度考核称职，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (10,10,0,'宋  成','SC','男',#1971-06-14#,'1971.06','汉族','江苏南京','浙江杭州','中共党员',#1991-07-01#,'1991.07',#1993-07-01#,'1993.07','厅局级副职',#2019-11-01#,'2019.11','某市人大常委会副主任','2019.11','某市人大常委会副主任','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1989.09-1993.07 某某政法大学法学专业学习
1993.07-2019.11 共青团某市委员会副主任
2019.11-        某市人大常委会副主任','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (11,11,0,'马广龙','MGL','女',#1969-07-06#,'1969.07','回族','山东济南','河南郑州','中共党员',#1989-07-01#,'1989.07',#1991-07-01#,'1991.07','厅局级副职',#2016-06-01#,'2016.06','某市人民政府常务副市长','2016.06','某市人民政府常务副市长','大学','学士','某某农业大学农业经济管理专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1987.09-1991.07 某某农业大学农业经济管理专业学习
1991.07-2016.06 中共某县委员会副主任
2016.06-        某市人民政府常务副市长','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (12,12,0,'萧华忠','XHZ','男',#1966-01-12#,'1966.01','汉族','安徽合肥','江苏南京','中共党员',#1987-07-01#,'1987.07',#1988-07-01#,'1988.07','厅局级副职',#2023-09-01#,'2023.09','某市人民政府副市长','2023.09','某市人民政府副市长','大学','学士','某某政法大学法学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1984.09-1988.07 某某政法大学法学专业学习
1988.07-2023.09 某市财政局副主任
2023.09-        某市人民政府副市长','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (13,13,0,'张兰洋','ZLY','男',#1971-11-25#,'1971.11','汉族','安徽合肥','浙江杭州','中共党员',#1991-07-01#,'1991.07',#1993-07-01#,'1993.07','厅局级副职',#2022-08-01#,'2022.08','某市人民政府副市长','2022.08','某市人民政府副市长','大学','学士','某某政法大学法学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1989.09-1993.07 某某政法大学法学专业学习
1993.07-2014.05 共青团某市委员会科长
2014.05-2022.08 某市教育局副主任
2022.08-        某市人民政府副市长','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (14,14,0,'董娟春','DJC','女',#1965-03-24#,'1965.03','汉族','安徽合肥','江苏南京','中共党员',#1985-07-01#,'1985.07',#1987-07-01#,'1987.07','厅局级正职',#2022-01-01#,'2022.01','政协某市委员会主席','2022.01','政协某市委员会主席','大学','学士','某某财经大学会计学专业','研究生','硕士','中央党校研究生院经济管理专业','研究生','硕士','中央党校研究生院经济管理专业',1,'公务员','健康','1983.09-1987.07 某某财经大学会计学专业学习
1987.07-1988.07 某市教育局科长
1988.07-2000.06 共青团某市委员会副主任
2000.06-2022.01 中共某市委统战部主任
2022.01-        政协某市委员会主席','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (15,15,0,'马  萍','MP','女',#1968-03-05#,'1968.03','汉族','浙江杭州','山东临沂','中共党员',#1988-07-01#,'1988.07',#1990-07-01#,'1990.07','厅局级副职',#2022-12-01#,'2022.12','政协某市委员会副主席','2022.12','政协某市委员会副主席','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1986.09-1990.07 某某政法大学法学专业学习
1990.07-2022.12 某市财政局副主任
2022.12-        政协某市委员会副主席','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (16,16,0,'王  梅','WM','女',#1971-10-19#,'1971.10','回族','湖北武汉','安徽合肥','中共党员',#1992-07-01#,'1992.07',#1993-07-01#,'1993.07','厅局级副职',#2016-06-01#,'2016.06','政协某市委员会副主席','2016.06','政协某市委员会副主席','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1989.09-1993.07 某某政法大学法学专业学习
1993.07-2010.02 某区人民政府科长
2010.02-2016.06 中共某市委办公室副主任
2016.06-        政协某市委员会副主席','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (17,17,0,'唐萍武','TPW','男',#1977-01-06#,'1977.01','汉族','安徽合肥','江苏南京','中共党员',#1998-07-01#,'1998.07',#1999-07-01#,'1999.07','县处级正职',#2022-06-01#,'2022.06','中共某市纪律检查委员会副书记','2022.06','中共某市纪律检查委员会副书记','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1995.09-1999.07 某某师范大学历史系历史学专业学习
1999.07-2015.02 中共某市委办公室副科长
2015.02-2022.06 某市财政局科长
2022.06-        中共某市纪律检查委员会副书记','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (18,18,0,'王秀雪','WXX','女',#1970-08-17#,'1970.08','汉族','湖北武汉','江苏南京','中共党员',#1991-07-01#,'1991.07',#1992-07-01#,'1992.07','县处级正职',#2022-12-01#,'2022.12','中共某市纪律检查委员会副书记','2022.12','中共某市纪律检查委员会副书记','大学','学士','某某大学中文系汉语言文学专业',NULL,NULL,NULL,'大学','学士','某某大学中文系汉语言文学专业',1,'公务员','健康','1988.09-1992.07 某某大学中文系汉语言文学专业学习
1992.07-1999.04 某市财政局科员
1999.04-2017.09 某市人力资源和社会保障局副科长
2017.09-2022.12 某市财政局科长
2022.12-        中共某市纪律检查委员会副书记','2021年度考核优秀，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (19,19,0,'罗鹏英','LPY','男',#1973-07-03#,'1973.07','汉族','江苏南京','河南郑州','中共党员',#1994-07-01#,'1994.07',#1995-07-01#,'1995.07','县处级正职',#2020-12-01#,'2020.12','中共某市委办公室主任','2020.12','中共某市委办公室主任','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1991.09-1995.07 某某师范大学历史系历史学专业学习
1995.07-2020.12 某市人大常委会科长
2020.12-        中共某市委办公室主任','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (20,20,0,'唐  江','TJ','男',#1975-09-27#,'1975.09','汉族','山东济南','江苏南京','中共党员',#1996-07-01#,'1996.07',#1997-07-01#,'1997.07','县处级副职',#2024-04-01#,'2024.04','中共某市委办公室副主任','2024.04','中共某市委办公室副主任','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',1,'公务员','健康','1993.09-1997.07 某某理工大学机械工程专业学习
1997.07-2016.08 某县人民政府科员
2016.08-2021.01 某区人民政府科员
2021.01-2024.04 某市教育局副科长
2024.04-        中共某市委办公室副主任','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (21,21,0,'黄婷栋','HTD','男',#1974-10-27#,'1974.10','汉族','江苏南京','河南郑州','中共党员',#1994-07-01#,'1994.07',#1996-07-01#,'1996.07','县处级副职',#2022-10-01#,'2022.10','中共某市委办公室副主任','2022.10','中共某市委办公室副主任','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',5,'公务员','健康','1992.09-1996.07 某某理工大学机械工程专业学习
1996.07-2001.12 中共某市委组织部科员
2001.12-2010.03 某市教育局科员
2010.03-2022.10 某市教育局副科长
2022.10-        中共某市委办公室副主任','2021年度考核优秀，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (22,22,0,'陈秀卫','CXW','女',#1982-01-28#,'1982.01','汉族','安徽合肥','江苏徐州','中共党员',#2003-07-01#,'2003.07',#2004-07-01#,'2004.07','乡科级正职',#2016-04-01#,'2016.04','中共某市委办公室秘书科科长','2016.04','中共某市委办公室秘书科科长','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','2000.09-2004.07 某某政法大学法学专业学习
2004.07-2006.03 某县人民政府办事员
2006.03-2010.07 中共某县委员会科员
2010.07-2016.04 某市教育局科员
2016.04-        中共某市委办公室秘书科科长','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (23,23,0,'唐  宇','TY','男',#1976-03-17#,'1976.03','汉族','江苏徐州','湖北武汉','中共党员',#1997-07-01#,'1997.07',#1998-07-01#,'1998.07','县处级正职',#2023-12-01#,'2023.12','中共某市委组织部常务副部长','2023.12','中共某市委组织部常务副部长','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',1,'公务员','健康','1994.09-1998.07 某某农业大学农业经济管理专业学习
1998.07-2023.12 某市教育局科长
2023.12-        中共某市委组织部常务副部长','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (24,24,0,'陈涛娟','CTJ','女',#1981-11-07#,'1981.11','汉族','江苏徐州','浙江杭州','中共党员',#2002-07-01#,'2002.07',#2003-07-01#,'2003.07','县处级副职',#2021-07-01#,'2021.07','中共某市委组织部副部长','2021.07','中共某市委组织部副部长','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1999.09-2003.07 某某师范大学历史系历史学专业学习
2003.07-2018.06 某区人民政府科员
2018.06-2021.07 中共某县委员会副科长
2021.07-        中共某市委组织部副部长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (25,25,0,'郑英光','ZYG','男',#1986-08-07#,'1986.08','回族','山东临沂','湖北武汉','中共党员',#2005-07-01#,'2005.07',#2008-07-01#,'2008.07','乡科级正职',#2023-03-01#,'2023.03','中共某市委组织部干部科科长','2023.03','中共某市委组织部干部科科长','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',5,'公务员','健康','2004.09-2008.07 某某农业大学农业经济管理专业学习
2008.07-2023.03 某区人民政府科员
2023.03-        中共某市委组织部干部科科长','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (26,26,0,'王建勇','WJY','女',#1983-07-01#,'1983.07','汉族','山东济南','江苏徐州','中共党员',#2002-07-01#,'2002.07',#2005-07-01#,'2005.07','乡科级正职',#2018-10-01#,'2018.10','中共某市委组织部组织科科长','2018.10','中共某市委组织部组织科科长','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',5,'公务员','健康','2001.09-2005.07 某某政法大学法学专业学习
2005.07-2009.07 中共某市委办公室科员
2009.07-2018.10 某市财政局科员
2018.10-        中共某市委组织部组织科科长','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (27,27,0,'马秋瑞','MQR','男',#1982-08-14#,'1982.08','汉族','江苏南京','河南郑州','中共党员',#2003-07-01#,'2003.07',#2004-07-01#,'2004.07','县处级副职',#2022-06-01#,'2022.06','中共某市委宣传部副部长','2022.06','中共某市委宣传部副部长','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',1,'公务员','健康','2000.09-2004.07 某某农业大学农业经济管理专业学习
2004.07-2008.07 某市教育局科员
2008.07-2022.06 某县人民政府副科长
2022.06-        中共某市委宣传部副部长','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (28,28,0,'黄敏国','HMG','男',#1982-03-14#,'1982.03','汉族','湖北武汉','安徽合肥','中共党员',#2003-07-01#,'2003.07',#2004-07-01#,'2004.07','县处级副职',#2021-02-01#,'2021.02','中共某市委宣传部副部长','2021.02','中共某市委宣传部副部长','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',5,'公务员','健康','2000.09-2004.07 某某理工大学机械工程专业学习
2004.07-2021.02 中共某市纪律检查委员会副科长
2021.02-        中共某市委宣传部副部长','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (29,29,0,'徐栋勇','XDY','男',#1974-07-04#,'1974.07','汉族','浙江杭州','山东临沂','中共党员',#1994-07-01#,'1994.07',#1996-07-01#,'1996.07','县处级副职',#2016-07-01#,'2016.07','中共某市委统战部副部长','2016.07','中共某市委统战部副部长','大学','学士','某某大学中文系汉语言文学专业',NULL,NULL,NULL,'大学','学士','某某大学中文系汉语言文学专业',1,'公务员','健康','1992.09-1996.07 某某大学中文系汉语言文学专业学习
1996.07-2001.09 某市教育局科员
2001.09-2003.11 某市财政局科员
2003.11-2016.07 某市人力资源和社会保障局副科长
2016.07-        中共某市委统战部副部长','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (30,30,0,'梁琳欣','LLX','男',#1977-05-13#,'1977.05','汉族','江苏南京','安徽合肥','中共党员',#1997-07-01#,'1997.07',#1999-07-01#,'1999.07','县处级副职',#2019-12-01#,'2019.12','中共某市委统战部副部长','2019.12','中共某市委统战部副部长','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1995.09-1999.07 某某师范大学历史系历史学专业学习
1999.07-2014.09 某市教育局科员
2014.09-2019.12 某区人民政府副科长
2019.12-        中共某市委统战部副部长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (31,31,0,'郑佳晓','ZJX','男',#1970-07-12#,'1970.07','汉族','山东临沂','河南郑州','中共党员',#1990-07-01#,'1990.07',#1992-07-01#,'1992.07','县处级正职',#2024-07-01#,'2024.07','某市人民政府办公室主任','2024.07','某市人民政府办公室主任','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',1,'公务员','健康','1988.09-1992.07 某某理工大学机械工程专业学习
1992.07-2024.07 某市人民政府科长
2024.07-        某市人民政府办公室主任','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (32,32,0,'林  志','LZ','男',#1977-12-02#,'1977.12','汉族','河南郑州','江苏徐州','中共党员',#1997-07-01#,'1997.07',#1999-07-01#,'1999.07','县处级副职',#2021-06-01#,'2021.06','某市人民政府办公室副主任','2021.06','某市人民政府办公室副主任','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1995.09-1999.07 某某政法大学法学专业学习
1999.07-2005.04 中共某县委员会科员
2005.04-2021.06 某市教育局副科长
2021.06-        某市人民政府办公室副主任','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (33,33,0,'陈  磊','CL','男',#1972-12-04#,'1972.12','汉族','山东临沂','山东济南','中共党员',#1992-07-01#,'1992.07',#1994-07-01#,'1994.07','县处级副职',#2016-02-01#,'2016.02','某市人民政府办公室副主任','2016.02','某市人民政府办公室副主任','大学','学士','某某财经大学会计学专业',NULL,NULL,NULL,'大学','学士','某某财经大学会计学专业',1,'公务员','健康','1990.09-1994.07 某某财经大学会计学专业学习
1994.07-2010.12 某市人力资源和社会保障局科员
2010.12-2016.02 某市财政局副科长
2016.02-        某市人民政府办公室副主任','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (34,34,0,'杨成玉','YCY','女',#1982-11-02#,'1982.11','汉族','安徽合肥','江苏徐州','中共党员',#2001-07-01#,'2001.07',#2004-07-01#,'2004.07','乡科级正职',#2020-07-01#,'2020.07','某市人民政府办公室综合科科长','2020.07','某市人民政府办公室综合科科长','大学','学士','某某大学中文系汉语言文学专业',NULL,NULL,NULL,'大学','学士','某某大学中文系汉语言文学专业',1,'公务员','健康','2000.09-2004.07 某某大学中文系汉语言文学专业学习
2004.07-2008.09 某市人民政府办事员
2008.09-2009.04 中共某县委员会科员
2009.04-2020.07 某县人民政府科员
2020.07-        某市人民政府办公室综合科科长','2021年度考核优秀，2022年度考核称职，2023年度考核优秀。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (35,35,0,'罗龙春','LLC','女',#1977-05-26#,'1977.05','汉族','山东济南','河南郑州','中共党员',#1997-07-01#,'1997.07',#1999-07-01#,'1999.07','县处级正职',#2020-09-01#,'2020.09','某市发展和改革委员会主任','2020.09','某市发展和改革委员会主任','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1995.09-1999.07 某某政法大学法学专业学习
1999.07-2008.01 共青团某市委员会科员
2008.01-2017.01 中共某市委办公室副科长
2017.01-2020.09 某区人民政府科长
2020.09-        某市发展和改革委员会主任','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (36,36,0,'谢成海','XCH','女',#1978-08-18#,'1978.08','汉族','河南郑州','浙江杭州','中共党员',#1999-07-01#,'1999.07',#2000-07-01#,'2000.07','县处级副职',#2017-03-01#,'2017.03','某市发展和改革委员会副主任','2017.03','某市发展和改革委员会副主任','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1996.09-2000.07 某某政法大学法学专业学习
2000.07-2004.03 某市财政局科员
2004.03-2017.03 中共某市委宣传部副科长
2017.03-        某市发展和改革委员会副主任','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (37,37,0,'陈爱鑫','CAX','男',#1979-01-16#,'1979.01','汉族','江苏南京','安徽合肥','中共党员',#1999-07-01#,'1999.07',#2001-07-01#,'2001.07','县处级副职',#2019-04-01#,'2019.04','某市发展和改革委员会副主任','2019.04','某市发展和改革委员会副主任','大学','学士','某某财经大学会计学专业',NULL,NULL,NULL,'大学','学士','某某财经大学会计学专业',1,'公务员','健康','1997.09-2001.07 某某财经大学会计学专业学习
2001.07-2002.10 某市教育局科员
2002.10-2019.04 某区人民政府副科长
2019.04-        某市发展和改革委员会副主任','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (38,38,0,'韩凤斌','HFB','女',#1985-11-13#,'1985.11','回族','江苏南京','河南郑州','中共党员',#2004-07-01#,'2004.07',#2007-07-01#,'2007.07','乡科级正职',#2020-09-01#,'2020.09','某市发展和改革委员会规划科科长','2020.09','某市发展和改革委员会规划科科长','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',1,'公务员','健康','2003.09-2007.07 某某农业大学农业经济管理专业学习
2007.07-2010.11 某市人大常委会科员
2010.11-2020.09 中共某市委办公室科员
2020.09-        某市发展和改革委员会规划科科长','2021年度考核称职，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (39,39,0,'徐国荣','XGR','女',#1972-05-14#,'1972.05','汉族','浙江杭州','湖北武汉','中共党员',#1993-07-01#,'1993.07',#1994-07-01#,'1994.07','县处级正职',#2016-09-01#,'2016.09','某市教育局局长','2016.09','某市教育局局长','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1990.09-1994.07 某某政法大学法学专业学习
1994.07-1996.03 中共某县委员会科员
1996.03-2005.01 某市人力资源和社会保障局副科长
2005.01-2016.09 某区人民政府科长
2016.09-        某市教育局局长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (40,40,0,'林  强','LQ','男',#1972-09-19#,'1972.09','汉族','安徽合肥','山东济南','中共党员',#1992-07-01#,'1992.07',#1994-07-01#,'1994.07','县处级副职',#2018-06-01#,'2018.06','某市教育局副局长','2018.06','某市教育局副局长','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1990.09-1994.07 某某政法大学法学专业学习
1994.07-2000.06 中共某市委宣传部科员
2000.06-2018.06 中共某县委员会副科长
2018.06-        某市教育局副局长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (41,41,0,'马丽成','MLC','女',#1977-09-16#,'1977.09','汉族','浙江杭州','安徽合肥','中共党员',#1998-07-01#,'1998.07',#1999-07-01#,'1999.07','县处级副职',#2024-09-01#,'2024.09','某市教育局副局长','2024.09','某市教育局副局长','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',1,'公务员','健康','1995.09-1999.07 某某理工大学机械工程专业学习
1999.07-2001.02 某市人民政府办公室科员
2001.02-2018.02 政协某市委员会科员
2018.02-2024.09 某市财政局副科长
2024.09-        某市教育局副局长','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (42,42,0,'赵平丹','ZPD','女',#1985-12-12#,'1985.12','回族','江苏南京','山东临沂','中共党员',#2004-07-01#,'2004.07',#2007-07-01#,'2007.07','乡科级正职',#2020-04-01#,'2020.04','某市教育局基础教育科科长','2020.04','某市教育局基础教育科科长','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','2003.09-2007.07 某某政法大学法学专业学习
2007.07-2012.07 中共某市委宣传部科员
2012.07-2020.04 某市发展和改革委员会科员
2020.04-        某市教育局基础教育科科长','2021年度考核优秀，2022年度考核优秀，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (43,43,0,'郑  春','ZC','女',#1972-08-25#,'1972.08','汉族','浙江杭州','江苏南京','中共党员',#1991-07-01#,'1991.07',#1994-07-01#,'1994.07','县处级正职',#2018-10-01#,'2018.10','某市财政局局长','2018.10','某市财政局局长','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',1,'公务员','健康','1990.09-1994.07 某某农业大学农业经济管理专业学习
1994.07-1996.05 某市教育局科员
1996.05-1999.11 某县人民政府副科长
1999.11-2018.10 某市财政局科长
2018.10-        某市财政局局长','2021年度考核优秀，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (44,44,0,'冯  荣','FR','男',#1973-06-15#,'1973.06','汉族','江苏南京','河南郑州','中共党员',#1992-07-01#,'1992.07',#1995-07-01#,'1995.07','县处级副职',#2023-09-01#,'2023.09','某市财政局副局长','2023.09','某市财政局副局长','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',1,'公务员','健康','1991.09-1995.07 某某政法大学法学专业学习
1995.07-2023.09 某市教育局副科长
2023.09-        某市财政局副局长','2021年度考核优秀，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (45,45,0,'李海忠','LHZ','男',#1982-06-15#,'1982.06','汉族','河南郑州','浙江杭州','中共党员',#2003-07-01#,'2003.07',#2004-07-01#,'2004.07','县处级副职',#2019-03-01#,'2019.03','某市财政局副局长','2019.03','某市财政局副局长','大学','学士','某某大学中文系汉语言文学专业',NULL,NULL,NULL,'大学','学士','某某大学中文系汉语言文学专业',1,'公务员','健康','2000.09-2004.07 某某大学中文系汉语言文学专业学习
2004.07-2008.05 政协某市委员会科员
2008.05-2017.08 政协某市委员会科员
2017.08-2019.03 某区人民政府副科长
2019.03-        某市财政局副局长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (46,46,0,'刘  勇','LY','男',#1986-12-05#,'1986.12','汉族','江苏徐州','河南郑州','中共党员',#2005-07-01#,'2005.07',#2008-07-01#,'2008.07','乡科级正职',#2016-12-01#,'2016.12','某市财政局预算科科长','2016.12','某市财政局预算科科长','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',1,'公务员','健康','2004.09-2008.07 某某理工大学机械工程专业学习
2008.07-2011.06 某市教育局办事员
2011.06-2015.08 某市财政局科员
2015.08-2016.12 某市财政局科员
2016.12-        某市财政局预算科科长','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (47,47,0,'郑佳涛','ZJT','男',#1968-07-19#,'1968.07','汉族','湖北武汉','山东济南','中共党员',#1987-07-01#,'1987.07',#1990-07-01#,'1990.07','县处级正职',#2018-10-01#,'2018.10','某市人力资源和社会保障局局长','2018.10','某市人力资源和社会保障局局长','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1986.09-1990.07 某某师范大学历史系历史学专业学习
1990.07-2015.08 某区人民政府副科长
2015.08-2018.10 某市教育局科长
2018.10-        某市人力资源和社会保障局局长','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (48,48,0,'王龙婷','WLT','女',#1973-10-18#,'1973.10','汉族','浙江杭州','江苏南京','中共党员',#1993-07-01#,'1993.07',#1995-07-01#,'1995.07','县处级副职',#2021-06-01#,'2021.06','某市人力资源和社会保障局副局长','2021.06','某市人力资源和社会保障局副局长','大学','学士','某某财经大学会计学专业',NULL,NULL,NULL,'大学','学士','某某财经大学会计学专业',5,'公务员','健康','1991.09-1995.07 某某财经大学会计学专业学习
1995.07-2005.03 共青团某市委员会科员
2005.03-2013.12 中共某市委员会科员
2013.12-2021.06 某市人大常委会副科长
2021.06-        某市人力资源和社会保障局副局长','2021年度考核优秀，2022年度考核称职，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (49,49,0,'林振英','LZY','女',#1976-04-07#,'1976.04','汉族','江苏南京','湖北武汉','中共党员',#1997-07-01#,'1997.07',#1998-07-01#,'1998.07','县处级副职',#2019-10-01#,'2019.10','某市人力资源和社会保障局副局长','2019.10','某市人力资源和社会保障局副局长','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1994.09-1998.07 某某师范大学历史系历史学专业学习
1998.07-2019.10 某区人民政府副科长
2019.10-        某市人力资源和社会保障局副局长','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (50,50,0,'韩忠桂','HZG','男',#1985-06-03#,'1985.06','汉族','山东临沂','江苏徐州','中共党员',#2004-07-01#,'2004.07',#2007-07-01#,'2007.07','乡科级正职',#2021-07-01#,'2021.07','某市人力资源和社会保障局就业科科长','2021.07','某市人力资源和社会保障局就业科科长','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',5,'公务员','健康','2003.09-2007.07 某某理工大学机械工程专业学习
2007.07-2021.07 某市财政局科员
2021.07-        某市人力资源和社会保障局就业科科长','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (51,51,0,'梁俊东','LJD','男',#1968-02-23#,'1968.02','汉族','湖北武汉','江苏徐州','中共党员',#1988-07-01#,'1988.07',#1990-07-01#,'1990.07','县处级正职',#2019-04-01#,'2019.04','共青团某市委员会书记','2019.04','共青团某市委员会书记','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',1,'公务员','健康','1986.09-1990.07 某某师范大学历史系历史学专业学习
1990.07-2014.02 某区人民政府副科长
2014.02-2019.04 某市财政局科长
2019.04-        共青团某市委员会书记','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (52,52,0,'高  安','GA','男',#1982-08-10#,'1982.08','汉族','山东临沂','河南郑州','中共党员',#2001-07-01#,'2001.07',#2004-07-01#,'2004.07','县处级副职',#2021-09-01#,'2021.09','共青团某市委员会副书记','2021.09','共青团某市委员会副书记','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',1,'公务员','健康','2000.09-2004.07 某某农业大学农业经济管理专业学习
2004.07-2009.03 某市财政局科员
2009.03-2021.09 某市发展和改革委员会副科长
2021.09-        共青团某市委员会副书记','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (53,53,0,'马艳宇','MYY','男',#1994-05-13#,'1994.05','汉族','山东济南','湖北武汉','中共党员',#2015-07-01#,'2015.07',#2016-07-01#,'2016.07','一级科员',#2022-09-01#,'2022.09','中共某市委组织部科员','2022.09','中共某市委组织部科员','大学','学士','某某大学中文系汉语言文学专业',NULL,NULL,NULL,'大学','学士','某某大学中文系汉语言文学专业',2,'公务员','健康','2012.09-2016.07 某某大学中文系汉语言文学专业学习
2016.07-2018.05 中共某县委员会办事员
2018.05-2019.09 某市人民政府办公室办事员
2019.09-2022.09 某市财政局科员
2022.09-        中共某市委组织部科员','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (54,54,0,'梁安爱','LAA','女',#1994-08-25#,'1994.08','汉族','浙江杭州','安徽合肥','中共党员',#2014-07-01#,'2014.07',#2016-07-01#,'2016.07','二级科员',#2020-12-01#,'2020.12','中共某市委组织部科员','2020.12','中共某市委组织部科员','大学','学士','某某农业大学农业经济管理专业',NULL,NULL,NULL,'大学','学士','某某农业大学农业经济管理专业',2,'公务员','健康','2012.09-2016.07 某某农业大学农业经济管理专业学习
2016.07-2017.01 中共某市委宣传部办事员
2017.01-2019.03 某县人民政府办事员
2019.03-2020.12 某市人民政府科员
2020.12-        中共某市委组织部科员','2021年度考核称职，2022年度考核称职，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (55,55,0,'郑志秀','ZZX','女',#1991-12-26#,'1991.12','汉族','江苏南京','湖北武汉','中共党员',#2010-07-01#,'2010.07',#2013-07-01#,'2013.07','一级科员',#2022-03-01#,'2022.03','中共某市委办公室科员','2022.03','中共某市委办公室科员','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',2,'公务员','健康','2009.09-2013.07 某某师范大学历史系历史学专业学习
2013.07-2017.08 某市教育局办事员
2017.08-2022.03 中共某县委员会科员
2022.03-        中共某市委办公室科员','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','2022年被某市委、市政府记三等功。',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (56,56,0,'何  荣','HR','女',#1994-04-04#,'1994.04','汉族','山东济南','安徽合肥','中共党员',#2014-07-01#,'2014.07',#2016-07-01#,'2016.07','二级科员',#2022-04-01#,'2022.04','中共某市委办公室科员','2022.04','中共某市委办公室科员','大学','学士','某某理工大学机械工程专业',NULL,NULL,NULL,'大学','学士','某某理工大学机械工程专业',2,'公务员','健康','2012.09-2016.07 某某理工大学机械工程专业学习
2016.07-2018.07 某市教育局办事员
2018.07-2019.06 某市教育局办事员
2019.06-2022.04 中共某市委组织部科员
2022.04-        中共某市委办公室科员','2021年度考核称职，2022年度考核称职，2023年度考核优秀。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (57,57,0,'郭晓栋','GXD','男',#1993-10-26#,'1993.10','汉族','湖北武汉','江苏南京','中共党员',#2014-07-01#,'2014.07',#2015-07-01#,'2015.07','一级科员',#2024-03-01#,'2024.03','某市人民政府办公室科员','2024.03','某市人民政府办公室科员','大学','学士','某某财经大学会计学专业',NULL,NULL,NULL,'大学','学士','某某财经大学会计学专业',2,'公务员','健康','2011.09-2015.07 某某财经大学会计学专业学习
2015.07-2024.03 某市人大常委会科员
2024.03-        某市人民政府办公室科员','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (58,58,0,'韩德超','HDC','男',#1992-12-06#,'1992.12','汉族','江苏徐州','湖北武汉','中共党员',#2011-07-01#,'2011.07',#2014-07-01#,'2014.07','二级科员',#2019-01-01#,'2019.01','某市人民政府办公室科员','2019.01','某市人民政府办公室科员','大学','学士','某某政法大学法学专业',NULL,NULL,NULL,'大学','学士','某某政法大学法学专业',2,'公务员','健康','2010.09-2014.07 某某政法大学法学专业学习
2014.07-2018.05 中共某市委组织部办事员
2018.05-2019.01 某区人民政府科员
2019.01-        某市人民政府办公室科员','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (59,59,0,'徐  国','XG','男',#1991-02-04#,'1991.02','回族','山东济南','江苏南京','中共党员',#2012-07-01#,'2012.07',#2013-07-01#,'2013.07','一级科员',#2016-04-01#,'2016.04','某市财政局科员','2016.04','某市财政局科员','大学','学士','某某师范大学历史系历史学专业',NULL,NULL,NULL,'大学','学士','某某师范大学历史系历史学专业',2,'公务员','健康','2009.09-2013.07 某某师范大学历史系历史学专业学习
2013.07-2016.04 某市教育局科员
2016.04-        某市财政局科员','2021年度考核称职，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxw,gxlxx,ctype,rybz,jkzk,gzjl,khNote,jcNote,ZwLock) values (60,60,0,'高  涛','GT','男',#1992-05-03#,'1992.05','汉族','浙江杭州','浙江杭州','中共党员',#2012-07-01#,'2012.07',#2014-07-01#,'2014.07','四级主任科员',#2023-05-01#,'2023.05','某市财政局科员','2023.05','某市财政局科员','大学','学士','某某财经大学会计学专业',NULL,NULL,NULL,'大学','学士','某某财经大学会计学专业',2,'公务员','健康','2010.09-2014.07 某某财经大学会计学专业学习
2014.07-2015.11 中共某市纪律检查委员会办事员
2015.11-2020.12 某区人民政府办事员
2020.12-2023.05 某市财政局科员
2023.05-        某市财政局科员','2021年度考核优秀，2022年度考核优秀，2023年度考核称职。','无',False);
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (1,1,1,'中共某市委员会','书记',1,#2018-05-01#,'2018.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (1,2,0,'中共某县委员会','科长',1,#1990-07-01#,'1990.07',#2004-09-01#,'2004.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (1,2,0,'某市教育局','副主任',2,#2004-09-01#,'2004.09',#2008-11-01#,'2008.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (1,2,14,'某市财政局','主任',3,#2008-11-01#,'2008.11',#2018-05-01#,'2018.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (2,1,1,'中共某市委员会','副书记',1,#2022-05-01#,'2022.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (2,1,3,'某市人民政府','市长',2,#2022-05-01#,'2022.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (2,2,15,'某市人力资源和社会保障局','科长',1,#1993-07-01#,'1993.07',#1994-06-01#,'1994.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (2,2,5,'中共某市纪律检查委员会','副主任',2,#1994-06-01#,'1994.06',#2022-05-01#,'2022.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (3,1,1,'中共某市委员会','副书记',1,#2021-09-01#,'2021.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (3,2,0,'某市财政局','副主任',1,#1990-07-01#,'1990.07',#2021-09-01#,'2021.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (4,1,1,'中共某市委员会','常委',1,#2017-06-01#,'2017.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (4,1,5,'中共某市纪律检查委员会','书记',2,#2017-06-01#,'2017.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (4,2,0,'某市财政局','科长',1,#1991-07-01#,'1991.07',#2005-08-01#,'2005.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (4,2,5,'中共某市纪律检查委员会','副主任',2,#2005-08-01#,'2005.08',#2017-06-01#,'2017.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (5,1,1,'中共某市委员会','常委',1,#2024-04-01#,'2024.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (5,1,8,'中共某市委组织部','部长',2,#2024-04-01#,'2024.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (5,2,0,'某市财政局','副科长',1,#1991-07-01#,'1991.07',#1992-09-01#,'1992.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (5,2,16,'共青团某市委员会','科长',2,#1992-09-01#,'1992.09',#2016-03-01#,'2016.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (5,2,8,'中共某市委组织部','副主任',3,#2016-03-01#,'2016.03',#2024-04-01#,'2024.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (6,1,1,'中共某市委员会','常委',1,#2024-02-01#,'2024.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (6,1,9,'中共某市委宣传部','部长',2,#2024-02-01#,'2024.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (6,2,0,'某区人民政府','科长',1,#1990-07-01#,'1990.07',#1997-07-01#,'1997.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (6,2,0,'某区人民政府','副主任',2,#1997-07-01#,'1997.07',#2024-02-01#,'2024.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (7,1,1,'中共某市委员会','常委',1,#2023-12-01#,'2023.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (7,1,10,'中共某市委统战部','部长',2,#2023-12-01#,'2023.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (7,2,0,'某县人民政府','副主任',1,#1989-07-01#,'1989.07',#2023-12-01#,'2023.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (8,1,2,'某市人大常委会','主任',1,#2017-01-01#,'2017.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (8,2,0,'某县人民政府','科长',1,#1990-07-01#,'1990.07',#1995-01-01#,'1995.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (8,2,3,'某市人民政府','副主任',2,#1995-01-01#,'1995.01',#1997-05-01#,'1997.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (8,2,0,'中共某县委员会','主任',3,#1997-05-01#,'1997.05',#2017-01-01#,'2017.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (9,1,2,'某市人大常委会','副主任',1,#2018-12-01#,'2018.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (9,2,0,'某县人民政府','副科长',1,#1993-07-01#,'1993.07',#1999-07-01#,'1999.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (9,2,0,'某市教育局','科长',2,#1999-07-01#,'1999.07',#2011-08-01#,'2011.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (9,2,3,'某市人民政府','副主任',3,#2011-08-01#,'2011.08',#2018-12-01#,'2018.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (10,1,2,'某市人大常委会','副主任',1,#2019-11-01#,'2019.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (10,2,16,'共青团某市委员会','副主任',1,#1993-07-01#,'1993.07',#2019-11-01#,'2019.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (11,1,3,'某市人民政府','常务副市长',1,#2016-06-01#,'2016.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (11,2,0,'中共某县委员会','副主任',1,#1991-07-01#,'1991.07',#2016-06-01#,'2016.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (12,1,3,'某市人民政府','副市长',1,#2023-09-01#,'2023.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (12,2,0,'某市财政局','副主任',1,#1988-07-01#,'1988.07',#2023-09-01#,'2023.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (13,1,3,'某市人民政府','副市长',1,#2022-08-01#,'2022.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (13,2,16,'共青团某市委员会','科长',1,#1993-07-01#,'1993.07',#2014-05-01#,'2014.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (13,2,0,'某市教育局','副主任',2,#2014-05-01#,'2014.05',#2022-08-01#,'2022.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (14,1,4,'政协某市委员会','主席',1,#2022-01-01#,'2022.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (14,2,0,'某市教育局','科长',1,#1987-07-01#,'1987.07',#1988-07-01#,'1988.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (14,2,16,'共青团某市委员会','副主任',2,#1988-07-01#,'1988.07',#2000-06-01#,'2000.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (14,2,10,'中共某市委统战部','主任',3,#2000-06-01#,'2000.06',#2022-01-01#,'2022.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (15,1,4,'政协某市委员会','副主席',1,#2022-12-01#,'2022.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (15,2,14,'某市财政局','副主任',1,#1990-07-01#,'1990.07',#2022-12-01#,'2022.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (16,1,4,'政协某市委员会','副主席',1,#2016-06-01#,'2016.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (16,2,0,'某区人民政府','科长',1,#1993-07-01#,'1993.07',#2010-02-01#,'2010.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (16,2,7,'中共某市委办公室','副主任',2,#2010-02-01#,'2010.02',#2016-06-01#,'2016.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (17,1,5,'中共某市纪律检查委员会','副书记',1,#2022-06-01#,'2022.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (17,2,7,'中共某市委办公室','副科长',1,#1999-07-01#,'1999.07',#2015-02-01#,'2015.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (17,2,0,'某市财政局','科长',2,#2015-02-01#,'2015.02',#2022-06-01#,'2022.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (18,1,5,'中共某市纪律检查委员会','副书记',1,#2022-12-01#,'2022.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (18,2,0,'某市财政局','科员',1,#1992-07-01#,'1992.07',#1999-04-01#,'1999.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (18,2,15,'某市人力资源和社会保障局','副科长',2,#1999-04-01#,'1999.04',#2017-09-01#,'2017.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (18,2,0,'某市财政局','科长',3,#2017-09-01#,'2017.09',#2022-12-01#,'2022.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (19,1,7,'中共某市委办公室','主任',1,#2020-12-01#,'2020.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (19,2,2,'某市人大常委会','科长',1,#1995-07-01#,'1995.07',#2020-12-01#,'2020.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (20,1,7,'中共某市委办公室','副主任',1,#2024-04-01#,'2024.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (20,2,0,'某县人民政府','科员',1,#1997-07-01#,'1997.07',#2016-08-01#,'2016.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (20,2,0,'某区人民政府','科员',2,#2016-08-01#,'2016.08',#2021-01-01#,'2021.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (20,2,0,'某市教育局','副科长',3,#2021-01-01#,'2021.01',#2024-04-01#,'2024.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (21,1,7,'中共某市委办公室','副主任',1,#2022-10-01#,'2022.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (21,2,8,'中共某市委组织部','科员',1,#1996-07-01#,'1996.07',#2001-12-01#,'2001.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (21,2,0,'某市教育局','科员',2,#2001-12-01#,'2001.12',#2010-03-01#,'2010.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (21,2,0,'某市教育局','副科长',3,#2010-03-01#,'2010.03',#2022-10-01#,'2022.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (22,1,7,'中共某市委办公室','秘书科科长',1,#2016-04-01#,'2016.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (22,2,0,'某县人民政府','办事员',1,#2004-07-01#,'2004.07',#2006-03-01#,'2006.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (22,2,0,'中共某县委员会','科员',2,#2006-03-01#,'2006.03',#2010-07-01#,'2010.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (22,2,13,'某市教育局','科员',3,#2010-07-01#,'2010.07',#2016-04-01#,'2016.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (23,1,8,'中共某市委组织部','常务副部长',1,#2023-12-01#,'2023.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (23,2,13,'某市教育局','科长',1,#1998-07-01#,'1998.07',#2023-12-01#,'2023.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (24,1,8,'中共某市委组织部','副部长',1,#2021-07-01#,'2021.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (24,2,0,'某区人民政府','科员',1,#2003-07-01#,'2003.07',#2018-06-01#,'2018.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (24,2,0,'中共某县委员会','副科长',2,#2018-06-01#,'2018.06',#2021-07-01#,'2021.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (25,1,8,'中共某市委组织部','干部科科长',1,#2023-03-01#,'2023.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (25,2,0,'某区人民政府','科员',1,#2008-07-01#,'2008.07',#2023-03-01#,'2023.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (26,1,8,'中共某市委组织部','组织科科长',1,#2018-10-01#,'2018.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (26,2,7,'中共某市委办公室','科员',1,#2005-07-01#,'2005.07',#2009-07-01#,'2009.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (26,2,0,'某市财政局','科员',2,#2009-07-01#,'2009.07',#2018-10-01#,'2018.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (27,1,9,'中共某市委宣传部','副部长',1,#2022-06-01#,'2022.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (27,2,13,'某市教育局','科员',1,#2004-07-01#,'2004.07',#2008-07-01#,'2008.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (27,2,0,'某县人民政府','副科长',2,#2008-07-01#,'2008.07',#2022-06-01#,'2022.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (28,1,9,'中共某市委宣传部','副部长',1,#2021-02-01#,'2021.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (28,2,5,'中共某市纪律检查委员会','副科长',1,#2004-07-01#,'2004.07',#2021-02-01#,'2021.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (29,1,10,'中共某市委统战部','副部长',1,#2016-07-01#,'2016.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (29,2,0,'某市教育局','科员',1,#1996-07-01#,'1996.07',#2001-09-01#,'2001.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (29,2,0,'某市财政局','科员',2,#2001-09-01#,'2001.09',#2003-11-01#,'2003.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (29,2,15,'某市人力资源和社会保障局','副科长',3,#2003-11-01#,'2003.11',#2016-07-01#,'2016.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (30,1,10,'中共某市委统战部','副部长',1,#2019-12-01#,'2019.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (30,2,0,'某市教育局','科员',1,#1999-07-01#,'1999.07',#2014-09-01#,'2014.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (30,2,0,'某区人民政府','副科长',2,#2014-09-01#,'2014.09',#2019-12-01#,'2019.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (31,1,11,'某市人民政府办公室','主任',1,#2024-07-01#,'2024.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (31,2,3,'某市人民政府','科长',1,#1992-07-01#,'1992.07',#2024-07-01#,'2024.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (32,1,11,'某市人民政府办公室','副主任',1,#2021-06-01#,'2021.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (32,2,0,'中共某县委员会','科员',1,#1999-07-01#,'1999.07',#2005-04-01#,'2005.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (32,2,0,'某市教育局','副科长',2,#2005-04-01#,'2005.04',#2021-06-01#,'2021.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (33,1,11,'某市人民政府办公室','副主任',1,#2016-02-01#,'2016.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (33,2,15,'某市人力资源和社会保障局','科员',1,#1994-07-01#,'1994.07',#2010-12-01#,'2010.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (33,2,0,'某市财政局','副科长',2,#2010-12-01#,'2010.12',#2016-02-01#,'2016.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (34,1,11,'某市人民政府办公室','综合科科长',1,#2020-07-01#,'2020.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (34,2,3,'某市人民政府','办事员',1,#2004-07-01#,'2004.07',#2008-09-01#,'2008.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (34,2,0,'中共某县委员会','科员',2,#2008-09-01#,'2008.09',#2009-04-01#,'2009.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (34,2,0,'某县人民政府','科员',3,#2009-04-01#,'2009.04',#2020-07-01#,'2020.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (35,1,12,'某市发展和改革委员会','主任',1,#2020-09-01#,'2020.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (35,2,16,'共青团某市委员会','科员',1,#1999-07-01#,'1999.07',#2008-01-01#,'2008.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (35,2,7,'中共某市委办公室','副科长',2,#2008-01-01#,'2008.01',#2017-01-01#,'2017.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (35,2,0,'某区人民政府','科长',3,#2017-01-01#,'2017.01',#2020-09-01#,'2020.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (36,1,12,'某市发展和改革委员会','副主任',1,#2017-03-01#,'2017.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (36,2,0,'某市财政局','科员',1,#2000-07-01#,'2000.07',#2004-03-01#,'2004.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (36,2,9,'中共某市委宣传部','副科长',2,#2004-03-01#,'2004.03',#2017-03-01#,'2017.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (37,1,12,'某市发展和改革委员会','副主任',1,#2019-04-01#,'2019.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (37,2,0,'某市教育局','科员',1,#2001-07-01#,'2001.07',#2002-10-01#,'2002.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (37,2,0,'某区人民政府','副科长',2,#2002-10-01#,'2002.10',#2019-04-01#,'2019.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (38,1,12,'某市发展和改革委员会','规划科科长',1,#2020-09-01#,'2020.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (38,2,2,'某市人大常委会','科员',1,#2007-07-01#,'2007.07',#2010-11-01#,'2010.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (38,2,7,'中共某市委办公室','科员',2,#2010-11-01#,'2010.11',#2020-09-01#,'2020.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (39,1,13,'某市教育局','局长',1,#2016-09-01#,'2016.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (39,2,0,'中共某县委员会','科员',1,#1994-07-01#,'1994.07',#1996-03-01#,'1996.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (39,2,15,'某市人力资源和社会保障局','副科长',2,#1996-03-01#,'1996.03',#2005-01-01#,'2005.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (39,2,0,'某区人民政府','科长',3,#2005-01-01#,'2005.01',#2016-09-01#,'2016.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (40,1,13,'某市教育局','副局长',1,#2018-06-01#,'2018.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (40,2,9,'中共某市委宣传部','科员',1,#1994-07-01#,'1994.07',#2000-06-01#,'2000.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (40,2,0,'中共某县委员会','副科长',2,#2000-06-01#,'2000.06',#2018-06-01#,'2018.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (41,1,13,'某市教育局','副局长',1,#2024-09-01#,'2024.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (41,2,11,'某市人民政府办公室','科员',1,#1999-07-01#,'1999.07',#2001-02-01#,'2001.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (41,2,4,'政协某市委员会','科员',2,#2001-02-01#,'2001.02',#2018-02-01#,'2018.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (41,2,0,'某市财政局','副科长',3,#2018-02-01#,'2018.02',#2024-09-01#,'2024.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (42,1,13,'某市教育局','基础教育科科长',1,#2020-04-01#,'2020.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (42,2,9,'中共某市委宣传部','科员',1,#2007-07-01#,'2007.07',#2012-07-01#,'2012.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (42,2,12,'某市发展和改革委员会','科员',2,#2012-07-01#,'2012.07',#2020-04-01#,'2020.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (43,1,14,'某市财政局','局长',1,#2018-10-01#,'2018.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (43,2,13,'某市教育局','科员',1,#1994-07-01#,'1994.07',#1996-05-01#,'1996.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (43,2,0,'某县人民政府','副科长',2,#1996-05-01#,'1996.05',#1999-11-01#,'1999.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (43,2,0,'某市财政局','科长',3,#1999-11-01#,'1999.11',#2018-10-01#,'2018.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (44,1,14,'某市财政局','副局长',1,#2023-09-01#,'2023.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (44,2,0,'某市教育局','副科长',1,#1995-07-01#,'1995.07',#2023-09-01#,'2023.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (45,1,14,'某市财政局','副局长',1,#2019-03-01#,'2019.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (45,2,4,'政协某市委员会','科员',1,#2004-07-01#,'2004.07',#2008-05-01#,'2008.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (45,2,4,'政协某市委员会','科员',2,#2008-05-01#,'2008.05',#2017-08-01#,'2017.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (45,2,0,'某区人民政府','副科长',3,#2017-08-01#,'2017.08',#2019-03-01#,'2019.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (46,1,14,'某市财政局','预算科科长',1,#2016-12-01#,'2016.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (46,2,0,'某市教育局','办事员',1,#2008-07-01#,'2008.07',#2011-06-01#,'2011.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (46,2,0,'某市财政局','科员',2,#2011-06-01#,'2011.06',#2015-08-01#,'2015.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (46,2,0,'某市财政局','科员',3,#2015-08-01#,'2015.08',#2016-12-01#,'2016.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (47,1,15,'某市人力资源和社会保障局','局长',1,#2018-10-01#,'2018.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (47,2,0,'某区人民政府','副科长',1,#1990-07-01#,'1990.07',#2015-08-01#,'2015.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (47,2,13,'某市教育局','科长',2,#2015-08-01#,'2015.08',#2018-10-01#,'2018.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (48,1,15,'某市人力资源和社会保障局','副局长',1,#2021-06-01#,'2021.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (48,2,16,'共青团某市委员会','科员',1,#1995-07-01#,'1995.07',#2005-03-01#,'2005.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (48,2,1,'中共某市委员会','科员',2,#2005-03-01#,'2005.03',#2013-12-01#,'2013.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (48,2,2,'某市人大常委会','副科长',3,#2013-12-01#,'2013.12',#2021-06-01#,'2021.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (49,1,15,'某市人力资源和社会保障局','副局长',1,#2019-10-01#,'2019.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (49,2,0,'某区人民政府','副科长',1,#1998-07-01#,'1998.07',#2019-10-01#,'2019.10',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (50,1,15,'某市人力资源和社会保障局','就业科科长',1,#2021-07-01#,'2021.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (50,2,0,'某市财政局','科员',1,#2007-07-01#,'2007.07',#2021-07-01#,'2021.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (51,1,16,'共青团某市委员会','书记',1,#2019-04-01#,'2019.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (51,2,0,'某区人民政府','副科长',1,#1990-07-01#,'1990.07',#2014-02-01#,'2014.02',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (51,2,0,'某市财政局','科长',2,#2014-02-01#,'2014.02',#2019-04-01#,'2019.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (52,1,16,'共青团某市委员会','副书记',1,#2021-09-01#,'2021.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (52,2,0,'某市财政局','科员',1,#2004-07-01#,'2004.07',#2009-03-01#,'2009.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (52,2,12,'某市发展和改革委员会','副科长',2,#2009-03-01#,'2009.03',#2021-09-01#,'2021.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (53,1,8,'中共某市委组织部','科员',1,#2022-09-01#,'2022.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (53,2,0,'中共某县委员会','办事员',1,#2016-07-01#,'2016.07',#2018-05-01#,'2018.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (53,2,11,'某市人民政府办公室','办事员',2,#2018-05-01#,'2018.05',#2019-09-01#,'2019.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (53,2,14,'某市财政局','科员',3,#2019-09-01#,'2019.09',#2022-09-01#,'2022.09',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (54,1,8,'中共某市委组织部','科员',1,#2020-12-01#,'2020.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (54,2,9,'中共某市委宣传部','办事员',1,#2016-07-01#,'2016.07',#2017-01-01#,'2017.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (54,2,0,'某县人民政府','办事员',2,#2017-01-01#,'2017.01',#2019-03-01#,'2019.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (54,2,3,'某市人民政府','科员',3,#2019-03-01#,'2019.03',#2020-12-01#,'2020.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (55,1,7,'中共某市委办公室','科员',1,#2022-03-01#,'2022.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (55,2,0,'某市教育局','办事员',1,#2013-07-01#,'2013.07',#2017-08-01#,'2017.08',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (55,2,0,'中共某县委员会','科员',2,#2017-08-01#,'2017.08',#2022-03-01#,'2022.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (56,1,7,'中共某市委办公室','科员',1,#2022-04-01#,'2022.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (56,2,0,'某市教育局','办事员',1,#2016-07-01#,'2016.07',#2018-07-01#,'2018.07',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (56,2,0,'某市教育局','办事员',2,#2018-07-01#,'2018.07',#2019-06-01#,'2019.06',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (56,2,8,'中共某市委组织部','科员',3,#2019-06-01#,'2019.06',#2022-04-01#,'2022.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (57,1,11,'某市人民政府办公室','科员',1,#2024-03-01#,'2024.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (57,2,2,'某市人大常委会','科员',1,#2015-07-01#,'2015.07',#2024-03-01#,'2024.03',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (58,1,11,'某市人民政府办公室','科员',1,#2019-01-01#,'2019.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (58,2,8,'中共某市委组织部','办事员',1,#2014-07-01#,'2014.07',#2018-05-01#,'2018.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (58,2,0,'某区人民政府','科员',2,#2018-05-01#,'2018.05',#2019-01-01#,'2019.01',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (59,1,14,'某市财政局','科员',1,#2016-04-01#,'2016.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (59,2,0,'某市教育局','科员',1,#2013-07-01#,'2013.07',#2016-04-01#,'2016.04',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,zs,emptyNode,zt) values (60,1,14,'某市财政局','科员',1,#2023-05-01#,'2023.05',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (60,2,5,'中共某市纪律检查委员会','办事员',1,#2014-07-01#,'2014.07',#2015-11-01#,'2015.11',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (60,2,0,'某区人民政府','办事员',2,#2015-11-01#,'2015.11',#2020-12-01#,'2020.12',True,False,'');
insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,mzsjstr,zs,emptyNode,zt) values (60,2,0,'某市财政局','科员',3,#2020-12-01#,'2020.12',#2023-05-01#,'2023.05',True,False,'');
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (1,1,1,'书记','2018.05',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (2,1,2,'副书记','2022.05',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (2,3,1,'市长','2022.05',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (3,1,3,'副书记','2021.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (4,1,4,'常委','2017.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (4,5,1,'书记','2017.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (5,1,5,'常委','2024.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (5,8,1,'部长','2024.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (6,1,6,'常委','2024.02',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (6,9,1,'部长','2024.02',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (7,1,7,'常委','2023.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (7,10,1,'部长','2023.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (8,2,1,'主任','2017.01',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (9,2,2,'副主任','2018.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (10,2,3,'副主任','2019.11',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (11,3,2,'常务副市长','2016.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (12,3,3,'副市长','2023.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (13,3,4,'副市长','2022.08',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (14,4,1,'主席','2022.01',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (15,4,2,'副主席','2022.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (16,4,3,'副主席','2016.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (17,5,2,'副书记','2022.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (18,5,3,'副书记','2022.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (19,7,1,'主任','2020.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (20,7,2,'副主任','2024.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (21,7,3,'副主任','2022.10',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (22,7,4,'秘书科科长','2016.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (23,8,2,'常务副部长','2023.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (24,8,3,'副部长','2021.07',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (25,8,4,'干部科科长','2023.03',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (26,8,5,'组织科科长','2018.10',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (27,9,2,'副部长','2022.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (28,9,3,'副部长','2021.02',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (29,10,2,'副部长','2016.07',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (30,10,3,'副部长','2019.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (31,11,1,'主任','2024.07',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (32,11,2,'副主任','2021.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (33,11,3,'副主任','2016.02',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (34,11,4,'综合科科长','2020.07',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (35,12,1,'主任','2020.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (36,12,2,'副主任','2017.03',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (37,12,3,'副主任','2019.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (38,12,4,'规划科科长','2020.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (39,13,1,'局长','2016.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (40,13,2,'副局长','2018.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (41,13,3,'副局长','2024.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (42,13,4,'基础教育科科长','2020.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (43,14,1,'局长','2018.10',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (44,14,2,'副局长','2023.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (45,14,3,'副局长','2019.03',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (46,14,4,'预算科科长','2016.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (47,15,1,'局长','2018.10',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (48,15,2,'副局长','2021.06',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (49,15,3,'副局长','2019.10',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (50,15,4,'就业科科长','2021.07',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (51,16,1,'书记','2019.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (52,16,2,'副书记','2021.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (53,8,6,'科员','2022.09',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (54,8,7,'科员','2020.12',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (55,7,5,'科员','2022.03',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (56,7,6,'科员','2022.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (57,11,5,'科员','2024.03',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (58,11,6,'科员','2019.01',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (59,14,5,'科员','2016.04',False,False);
insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,bind,nobz) values (60,14,6,'科员','2023.05',False,False);
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (1,1,'妻子','马娟勇',#1969-04-01#,'1969.04','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (1,2,'女儿','陈燕磊',#1993-06-01#,'1993.06','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (2,1,'妻子','张云安',#1973-03-01#,'1973.03','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (2,2,'儿子','赵超春',#1998-06-01#,'1998.06','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (3,1,'妻子','周成忠',#1968-04-01#,'1968.04','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (3,2,'儿子','黄力武',#1997-08-01#,'1997.08','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (4,1,'妻子','罗秋丽',#1970-06-01#,'1970.06','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (4,2,'儿子','高欣',#1998-03-01#,'1998.03','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (4,3,'父亲','胡丹',#1943-10-01#,'1943.10','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (5,1,'妻子','孙洋燕',#1968-08-01#,'1968.08','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (5,2,'儿子','陈光成',#2001-08-01#,'2001.08','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (5,3,'父亲','谢红娟',#1940-01-01#,'1940.01','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (5,4,'母亲','刘琳',#1944-02-01#,'1944.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (6,1,'妻子','周新芳',#1968-07-01#,'1968.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (6,2,'儿子','郭凤',#1998-02-01#,'1998.02','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (6,3,'父亲','朱德建',#1943-02-01#,'1943.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (6,4,'母亲','黄宁兵',#1945-05-01#,'1945.05','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (7,1,'妻子','萧国鑫',#1970-09-01#,'1970.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (7,2,'女儿','韩亮伟',#1993-01-01#,'1993.01','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (8,1,'妻子','宋志帅',#1967-11-01#,'1967.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (8,2,'儿子','宋桂静',#1994-08-01#,'1994.08','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (8,3,'父亲','王荣佳',#1942-02-01#,'1942.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (8,4,'母亲','郑玉萍',#1941-01-01#,'1941.01','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (9,1,'妻子','徐东芳',#1972-05-01#,'1972.05','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (9,2,'女儿','黄敏雪',#1998-05-01#,'1998.05','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (9,3,'父亲','郑超',#1941-03-01#,'1941.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (10,1,'妻子','朱兰',#1973-05-01#,'1973.05','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (10,2,'儿子','董刚帅',#2000-04-01#,'2000.04','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (10,3,'父亲','马海',#1942-01-01#,'1942.01','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (11,1,'丈夫','孙涛',#1970-09-01#,'1970.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (11,2,'女儿','梁秀安',#1996-08-01#,'1996.08','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (11,3,'父亲','冯娟',#1945-03-01#,'1945.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (11,4,'母亲','于杰胜',#1946-11-01#,'1946.11','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (12,1,'妻子','刘欣燕',#1967-09-01#,'1967.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (12,2,'女儿','高杰丹',#1995-10-01#,'1995.10','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (12,3,'父亲','朱雪',#1940-05-01#,'1940.05','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (12,4,'母亲','朱萍',#1940-10-01#,'1940.10','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (13,1,'妻子','郭琴佳',#1970-09-01#,'1970.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (13,2,'儿子','唐欣飞',#1998-10-01#,'1998.10','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (13,3,'父亲','陈伟',#1943-01-01#,'1943.01','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (13,4,'母亲','陈俊',#1949-08-01#,'1949.08','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (14,1,'丈夫','孙军',#1965-03-01#,'1965.03','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (14,2,'儿子','罗亮明',#1996-02-01#,'1996.02','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (14,3,'父亲','王鹏宁',#1940-04-01#,'1940.04','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (15,1,'丈夫','陈兵',#1967-11-01#,'1967.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (15,2,'女儿','林欣',#1999-10-01#,'1999.10','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (15,3,'父亲','韩琳安',#1943-07-01#,'1943.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (15,4,'母亲','赵红佳',#1940-01-01#,'1940.01','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (16,1,'丈夫','于涛武',#1969-02-01#,'1969.02','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (16,2,'儿子','梁雪龙',#1998-06-01#,'1998.06','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (16,3,'父亲','梁爱',#1944-12-01#,'1944.12','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (17,1,'妻子','何亮鹏',#1980-12-01#,'1980.12','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (17,2,'儿子','宋江卓',#2007-08-01#,'2007.08','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (17,3,'父亲','徐文东',#1952-03-01#,'1952.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (18,1,'丈夫','韩丽婷',#1972-07-01#,'1972.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (18,2,'儿子','郑欣',#2001-07-01#,'2001.07','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (18,3,'父亲','胡磊亮',#1943-04-01#,'1943.04','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (19,1,'妻子','刘鑫',#1972-09-01#,'1972.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (19,2,'女儿','林飞',#2001-03-01#,'2001.03','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (19,3,'父亲','朱文',#1948-02-01#,'1948.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (20,1,'妻子','宋胜忠',#1978-01-01#,'1978.01','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (20,2,'儿子','朱凤',#2000-01-01#,'2000.01','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (20,3,'父亲','韩海平',#1946-04-01#,'1946.04','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (21,1,'妻子','黄凤',#1972-11-01#,'1972.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (21,2,'女儿','董辉军',#2003-08-01#,'2003.08','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (21,3,'父亲','冯华帅',#1946-05-01#,'1946.05','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (22,1,'丈夫','王斌',#1981-01-01#,'1981.01','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (22,2,'女儿','于波杰',#2013-01-01#,'2013.01','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (23,1,'妻子','李波华',#1979-07-01#,'1979.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (23,2,'儿子','董华静',#2002-01-01#,'2002.01','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (23,3,'父亲','谢斌',#1949-09-01#,'1949.09','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (23,4,'母亲','刘海国',#1952-05-01#,'1952.05','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (24,1,'丈夫','王丽强',#1983-07-01#,'1983.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (24,2,'儿子','马峰',#2008-04-01#,'2008.04','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (24,3,'父亲','唐波',#1952-10-01#,'1952.10','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (25,1,'妻子','徐瑞雪',#1984-11-01#,'1984.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (25,2,'儿子','唐雪丹',#2013-04-01#,'2013.04','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (25,3,'父亲','赵刚',#1956-12-01#,'1956.12','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (25,4,'母亲','罗梅',#1960-02-01#,'1960.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (26,1,'丈夫','韩鹏荣',#1981-12-01#,'1981.12','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (26,2,'儿子','郑桂燕',#2009-07-01#,'2009.07','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (26,3,'父亲','王燕胜',#1957-02-01#,'1957.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (27,1,'妻子','罗江',#1982-07-01#,'1982.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (27,2,'女儿','张梅艳',#2009-12-01#,'2009.12','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (27,3,'父亲','董佳',#1952-05-01#,'1952.05','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (27,4,'母亲','黄东萍',#1960-07-01#,'1960.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (28,1,'妻子','李萍玉',#1984-10-01#,'1984.10','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (28,2,'儿子','杨玉桂',#2010-07-01#,'2010.07','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (28,3,'父亲','梁鹏桂',#1953-03-01#,'1953.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (28,4,'母亲','徐玉',#1958-05-01#,'1958.05','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (29,1,'妻子','董江超',#1976-07-01#,'1976.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (29,2,'儿子','董光爱',#2003-06-01#,'2003.06','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (29,3,'父亲','马龙桂',#1946-03-01#,'1946.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (29,4,'母亲','孙光',#1946-07-01#,'1946.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (30,1,'妻子','韩栋琳',#1975-10-01#,'1975.10','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (30,2,'儿子','于志鹏',#2009-02-01#,'2009.02','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (30,3,'父亲','高鹏鑫',#1948-03-01#,'1948.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (31,1,'妻子','马斌辉',#1973-11-01#,'1973.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (31,2,'儿子','高荣',#2001-11-01#,'2001.11','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (31,3,'父亲','董力',#1945-07-01#,'1945.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (31,4,'母亲','赵芳德',#1945-07-01#,'1945.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (32,1,'妻子','董兵卫',#1980-09-01#,'1980.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (32,2,'女儿','赵磊凤',#2004-08-01#,'2004.08','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (32,3,'父亲','周忠凤',#1949-03-01#,'1949.03','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (32,4,'母亲','何娟',#1955-09-01#,'1955.09','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (33,1,'妻子','郭晓',#1971-01-01#,'1971.01','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (33,2,'女儿','萧丽杰',#2000-01-01#,'2000.01','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (33,3,'父亲','周胜云',#1948-12-01#,'1948.12','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (34,1,'丈夫','马欣琳',#1980-05-01#,'1980.05','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (34,2,'女儿','陈欣晓',#2009-11-01#,'2009.11','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (34,3,'父亲','冯爱',#1953-08-01#,'1953.08','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (35,1,'丈夫','王忠',#1975-05-01#,'1975.05','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (35,2,'儿子','马婷燕',#2009-01-01#,'2009.01','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (36,1,'丈夫','徐俊爱',#1978-07-01#,'1978.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (36,2,'儿子','唐力华',#2006-08-01#,'2006.08','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (36,3,'父亲','冯勇广',#1952-11-01#,'1952.11','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (36,4,'母亲','陈云栋',#1955-06-01#,'1955.06','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (37,1,'妻子','杨婷宁',#1980-11-01#,'1980.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (37,2,'儿子','吴俊',#2006-07-01#,'2006.07','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (37,3,'父亲','陈娟胜',#1952-06-01#,'1952.06','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (37,4,'母亲','徐云',#1954-11-01#,'1954.11','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (38,1,'丈夫','林鹏宁',#1983-10-01#,'1983.10','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (38,2,'儿子','张文',#2013-10-01#,'2013.10','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (38,3,'父亲','孙梅新',#1958-02-01#,'1958.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (39,1,'丈夫','唐海',#1970-04-01#,'1970.04','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (39,2,'女儿','张伟萍',#2002-09-01#,'2002.09','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (40,1,'妻子','韩鑫强',#1974-02-01#,'1974.02','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (40,2,'儿子','周金',#2003-06-01#,'2003.06','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (41,1,'丈夫','黄忠',#1976-01-01#,'1976.01','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (41,2,'女儿','朱霞平',#2006-01-01#,'2006.01','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (42,1,'丈夫','吴丽琴',#1983-06-01#,'1983.06','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (42,2,'儿子','萧安亮',#2011-05-01#,'2011.05','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (42,3,'父亲','何雪霞',#1955-10-01#,'1955.10','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (42,4,'母亲','吴辉波',#1959-12-01#,'1959.12','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (43,1,'丈夫','黄春',#1973-04-01#,'1973.04','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (43,2,'女儿','谢成金',#2004-11-01#,'2004.11','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (43,3,'父亲','刘佳',#1944-06-01#,'1944.06','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (43,4,'母亲','杨丹霞',#1946-12-01#,'1946.12','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (44,1,'妻子','黄娟',#1975-02-01#,'1975.02','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (44,2,'儿子','宋江俊',#1999-10-01#,'1999.10','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (44,3,'父亲','林杰霞',#1948-07-01#,'1948.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (44,4,'母亲','宋力勇',#1950-12-01#,'1950.12','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (45,1,'妻子','孙江刚',#1984-03-01#,'1984.03','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (45,2,'儿子','孙俊爱',#2012-09-01#,'2012.09','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (46,1,'妻子','孙荣',#1989-12-01#,'1989.12','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (46,2,'女儿','罗燕芳',#2016-05-01#,'2016.05','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (46,3,'父亲','唐霞凤',#1956-09-01#,'1956.09','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (47,1,'妻子','马建武',#1967-09-01#,'1967.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (47,2,'儿子','吴佳',#1995-04-01#,'1995.04','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (48,1,'丈夫','孙鹏',#1974-01-01#,'1974.01','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (48,2,'儿子','谢宁',#1998-06-01#,'1998.06','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (49,1,'丈夫','赵桂丹',#1979-10-01#,'1979.10','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (49,2,'女儿','唐红',#2003-09-01#,'2003.09','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (49,3,'父亲','唐江洋',#1948-02-01#,'1948.02','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (50,1,'妻子','何萍忠',#1983-03-01#,'1983.03','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (50,2,'女儿','陈磊明',#2017-11-01#,'2017.11','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (51,1,'妻子','郭丽超',#1968-11-01#,'1968.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (51,2,'儿子','徐栋春',#2000-10-01#,'2000.10','群众','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (51,3,'父亲','萧江超',#1942-09-01#,'1942.09','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (52,1,'妻子','萧力涛',#1983-07-01#,'1983.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (52,2,'儿子','董忠超',#2007-07-01#,'2007.07','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (53,1,'妻子','董秋勇',#1997-11-01#,'1997.11','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (53,2,'女儿','李江广',#2026-12-01#,'2026.12','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (54,1,'丈夫','周振云',#1997-04-01#,'1997.04','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (54,2,'女儿','罗爱江',#2021-05-01#,'2021.05','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (54,3,'父亲','孙飞佳',#1969-06-01#,'1969.06','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (55,1,'丈夫','唐芳',#1990-07-01#,'1990.07','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (55,2,'儿子','韩佳',#2018-11-01#,'2018.11','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (55,3,'父亲','张强俊',#1961-01-01#,'1961.01','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (56,1,'丈夫','高忠芳',#1993-01-01#,'1993.01','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (56,2,'女儿','于江',#2022-05-01#,'2022.05','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (56,3,'父亲','冯杰',#1970-07-01#,'1970.07','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (56,4,'母亲','朱俊',#1972-10-01#,'1972.10','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (57,1,'妻子','杨卓',#1995-05-01#,'1995.05','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (57,2,'女儿','冯波',#2019-12-01#,'2019.12','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (58,1,'妻子','王俊丽',#1995-09-01#,'1995.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (58,2,'女儿','萧磊芳',#2021-10-01#,'2021.10','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (58,3,'父亲','罗飞武',#1964-09-01#,'1964.09','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (58,4,'母亲','宋静飞',#1966-06-01#,'1966.06','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (59,1,'妻子','高新',#1989-09-01#,'1989.09','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (59,2,'女儿','孙静',#2018-01-01#,'2018.01','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (60,1,'妻子','马俊秀',#1995-04-01#,'1995.04','中共党员','某市第一中学教师');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (60,2,'儿子','孙磊凤',#2018-12-01#,'2018.12','群众','某某大学学生');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (60,3,'父亲','周杰伟',#1968-09-01#,'1968.09','群众','已退休');
insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values (60,4,'母亲','于英',#1964-02-01#,'1964.02','群众','已退休');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (1,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (1,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (1,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (2,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (2,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (2,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (3,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (3,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (3,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (4,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (4,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (4,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (5,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (5,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (5,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (6,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (6,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (6,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (7,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (7,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (7,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (8,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (8,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (8,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (9,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (9,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (9,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (10,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (10,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (10,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (11,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (11,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (11,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (12,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (12,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (12,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (13,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (13,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (13,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (14,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (14,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (14,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (15,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (15,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (15,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (16,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (16,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (16,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (17,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (17,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (17,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (18,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (18,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (18,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (19,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (19,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (19,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (20,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (20,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (20,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (21,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (21,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (21,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (22,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (22,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (22,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (23,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (23,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (23,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (24,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (24,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (24,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (25,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (25,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (25,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (26,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (26,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (26,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (27,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (27,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (27,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (28,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (28,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (28,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (29,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (29,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (29,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (30,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (30,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (30,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (31,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (31,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (31,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (32,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (32,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (32,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (33,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (33,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (33,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (34,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (34,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (34,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (35,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (35,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (35,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (36,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (36,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (36,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (37,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (37,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (37,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (38,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (38,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (38,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (39,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (39,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (39,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (40,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (40,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (40,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (41,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (41,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (41,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (42,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (42,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (42,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (43,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (43,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (43,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (44,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (44,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (44,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (45,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (45,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (45,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (46,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (46,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (46,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (47,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (47,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (47,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (48,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (48,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (48,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (49,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (49,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (49,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (50,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (50,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (50,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (51,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (51,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (51,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (52,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (52,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (52,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (53,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (53,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (53,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (54,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (54,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (54,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (55,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (55,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (55,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (56,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (56,2022,#2023-01-15#,'年度考核','2022年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (56,2023,#2024-01-15#,'年度考核','2023年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (57,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (57,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (57,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (58,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (58,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (58,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (59,2021,#2022-01-15#,'年度考核','2021年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (59,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (59,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (60,2021,#2022-01-15#,'年度考核','2021年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (60,2022,#2023-01-15#,'年度考核','2022年度考核','优秀');
insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (60,2023,#2024-01-15#,'年度考核','2023年度考核','称职');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (2,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (9,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (13,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (17,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (20,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (23,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (24,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (27,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (29,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (33,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (34,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (35,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (37,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (45,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (48,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (51,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (55,0,'奖类','记三等功','记三等功','工作成绩突出',#2022-03-01#,'中共某市委员会、某市人民政府');
insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values (5,0,'惩类','纪律处分','警告','违反工作纪律',#2019-06-01#,'中共某市纪律检查委员会');
insert into E01 (cid,E01Z104,E01Z101,E01Z111A,E01Z117,E01Z124,E01Z114) values (1,1,'履历材料','干部履历表','1998.07',1,4);
insert into E01 (cid,E01Z104,E01Z101,E01Z111A,E01Z117,E01Z124,E01Z114) values (1,1,'鉴定、考核、考察材料','年度考核登记表','2022.12',1,2);
insert into E01 (cid,E01Z104,E01Z101,E01Z111A,E01Z117,E01Z124,E01Z114) values (1,1,'政治历史','入党志愿书','1993.05',1,6);
insert into E01 (cid,E01Z104,E01Z101,E01Z111A,E01Z117,E01Z124,E01Z114) values (2,1,'履历材料','干部履历表','2001.08',1,4);
insert into A54 (cid,A5401,A5404,A5407,A5411) values (1,#2023-01-15#,'本人持有因私出入境证件情况','证件名称:因私普通护照
编号:E00000001
有效期:2032.01',1);
insert into A55 (cid,A5501,A5504,A55Z01,A55Z02,A5507) values (1,'某审经责〔2021〕2号',#2021-09-10#,'2016.01-2020.12','某市发展和改革委员会主任','任职期间认真执行财经法规，未发现重大问题。');
insert into A56 (cid,A5601,A56X2,A5604,A56X3,A5611,A5621) values (2,#2022-05-20#,'来信','反映其分管领域工作作风问题。','转有关部门调查核实','不属实','已向反映人说明情况。');
insert into tb_File (id,fileName,fExt,Binfile,ziped) values (1,'述职报告.txt','.txt',X'e8bfb0e8818ce68aa5e5918aefbc88e69198e8a681efbc89efbc9ae8aea4e79c9fe5b1a5e8a18ce8818ce8b4a3e38082',False);
insert into tb_fileLink (dxType,dxID,fileid) values (1,1,1);
