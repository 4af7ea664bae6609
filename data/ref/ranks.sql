-- Post levels (tb_zj): the leadership ladder and the ranks of the civil servant law (2018
-- revision, arts. 18 and 19), with the non-leadership posts of the 2005 law that older records
-- still carry. level1: smaller is higher, every value distinct. Each rank follows the leadership
-- level it corresponds to (一级巡视员 厅局级正职, 二级巡视员 厅局级副职, 一级/二级调研员
-- 县处级正职, 三级/四级调研员 县处级副职, 一级/二级主任科员 乡科级正职, 三级/四级主任科员
-- 乡科级副职, 一级科员 科员, 二级科员 办事员): a level sort lists each leadership level before
-- the ranks of its band, and "higher than 县处级副职" takes in the ranks of the 县处级正职 band.
insert into tb_zj (zjmc,level1) values ('省部级正职',10);
insert into tb_zj (zjmc,level1) values ('省部级副职',20);
insert into tb_zj (zjmc,level1) values ('厅局级正职',30);
insert into tb_zj (zjmc,level1) values ('一级巡视员',31);
insert into tb_zj (zjmc,level1) values ('巡视员',32);
insert into tb_zj (zjmc,level1) values ('厅局级副职',40);
insert into tb_zj (zjmc,level1) values ('二级巡视员',41);
insert into tb_zj (zjmc,level1) values ('副巡视员',42);
insert into tb_zj (zjmc,level1) values ('县处级正职',50);
insert into tb_zj (zjmc,level1) values ('一级调研员',51);
insert into tb_zj (zjmc,level1) values ('二级调研员',52);
insert into tb_zj (zjmc,level1) values ('调研员',53);
insert into tb_zj (zjmc,level1) values ('县处级副职',60);
insert into tb_zj (zjmc,level1) values ('三级调研员',61);
insert into tb_zj (zjmc,level1) values ('四级调研员',62);
insert into tb_zj (zjmc,level1) values ('副调研员',63);
insert into tb_zj (zjmc,level1) values ('乡科级正职',70);
insert into tb_zj (zjmc,level1) values ('一级主任科员',71);
insert into tb_zj (zjmc,level1) values ('二级主任科员',72);
insert into tb_zj (zjmc,level1) values ('主任科员',73);
insert into tb_zj (zjmc,level1) values ('乡科级副职',80);
insert into tb_zj (zjmc,level1) values ('三级主任科员',81);
insert into tb_zj (zjmc,level1) values ('四级主任科员',82);
insert into tb_zj (zjmc,level1) values ('副主任科员',83);
insert into tb_zj (zjmc,level1) values ('科员',90);
insert into tb_zj (zjmc,level1) values ('一级科员',91);
insert into tb_zj (zjmc,level1) values ('办事员',100);
insert into tb_zj (zjmc,level1) values ('二级科员',101);
