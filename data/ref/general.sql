-- The one row of organisation-wide settings, at the current schema version, with the program's
-- own defaults: user type 1 (市委组织部(人事局)), the cadre type names whose bits tb_cadre.ctype
-- carries, the names of the user-defined fields, the approval form's family rows, title and
-- paper, and the picker lists, one item per line.
-- zt: the post categories that the program has always shipped; the other lists are everyday
-- vocabulary of organisation departments (reasons, sources and documents of appointments,
-- family relationships as written on the approval form).
insert into tb_general (version, type, resCType, resName, rmbfamily, rmbTitle, rmbPage,
zt, rzyy, gbly, rzw, jtcy) values (3.73, 1,
'领导干部
非领导干部
后备干部
其他',
'字符串1
字符串2
字符串3
字符串4
备注',
7, '干部任免审批表', 'A4',
'正职
副职
非领导职务
常委
委员
候补委员
成员
纪检员、纪检组长',
'换届
工作需要
提拔
交流
轮岗
机构改革
试用期满
挂职
退休
辞职',
'考试录用
选调生
调任
转任
公开遴选
公开选拔
竞争上岗
军队转业
聘任',
'党委文件
组织部文件
政府文件
人大常委会决定
政协文件
纪委监委文件
本单位文件',
'丈夫
妻子
儿子
女儿
父亲
母亲
公公
婆婆
岳父
岳母
哥哥
弟弟
姐姐
妹妹
长子
次子
三子
长女
次女
三女
儿媳
女婿
孙子
孙女
外孙子
外孙女
继父
继母
养父
养母');
